#pragma once
// Printing a payment's orders from a screen: what the payments list's "HUB3" and "HUB3A" buttons
// do. Each runs its report with the progress window and shows the pages in its preview (HUB-3 the
// simple one, HUB-3A the full one), from which the user prints. True when pages were printed.

#include <cstdint>

#include "documents/report_declaration.h"

class QWidget;

namespace pramo {

struct AppContext;
class PreviewHost;

// "HUB3" (tool tip "Dugme za ispis naloga za plaćanje (HUB1)"): the orders on HUB-3 forms for
// the printer kind chosen under "Vrsta pisača"; a matrix printer's paper is moved by the offsets
// of printer-parameter record `param`, the one the group "Podešenost matričnog pisača" shows.
bool printHub3(std::int32_t payment, PrinterKind printer, std::int32_t param, AppContext& ctx, QWidget* parent);

// "HUB3A" (tool tip "Dugme za ispis naloga za plaćanje (HUB1-1)"): the orders on HUB-3A forms
// with the 2D code. The button first sets "Vrsta pisača" to "Laserski" and passes that kind.
bool printHub3a(std::int32_t payment, PrinterKind printer, AppContext& ctx, QWidget* parent);

// The same with the preview's host given (its file and printer dialogs), for tests.
bool printHub3(std::int32_t payment, PrinterKind printer, std::int32_t param, AppContext& ctx, PreviewHost& host,
               QWidget* parent);
bool printHub3a(std::int32_t payment, PrinterKind printer, AppContext& ctx, PreviewHost& host, QWidget* parent);

class ScreenRegistry;

// The two buttons in the payments window (called from app/register_screens.cpp).
void registerOrdersScreens(ScreenRegistry& registry);

}  // namespace pramo
