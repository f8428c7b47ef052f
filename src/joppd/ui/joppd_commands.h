#pragma once
// The JOPPD commands the screens run, each with its messages: "JOP kreiranje" and the buttons
// "JOP - A" and "JOP - B" of the payments list, and "KREIRAJ XML DATOTEKU" of the submissions
// list. Each opens the files it needs for as long as it runs.

#include <cstdint>

#include "reports/report_declaration.h"

class QWidget;

namespace pramo {

struct AppContext;
class RandomSource;

// Creates the submission of payment `isplata` (serial number 1, a new identifier, the author of
// the last submission, asked for when that has none) and shows "OBRAZAC KREIRAN" or why not.
// True when it was created.
bool jopKreiranje(AppContext& ctx, std::int32_t isplata, QWidget* parent);
bool jopKreiranje(AppContext& ctx, std::int32_t isplata, RandomSource& random, QWidget* parent);

// Writes the XML return of submission `jopo` (the XML directory of the data directory, else the
// data directory) and shows "XML datoteka kreirana" or what stopped it. True when it was written.
bool kreirajXmlDatoteku(AppContext& ctx, std::int32_t jopo, QWidget* parent);

// Pages A and B of payment `isplata` through the preview (the payments list passes its printer
// kind to page B, which does not use it). True when pages were printed.
bool printJoppdA(AppContext& ctx, std::int32_t isplata, QWidget* parent);
bool printJoppdB(AppContext& ctx, std::int32_t isplata, PrinterKind printer, QWidget* parent);

}  // namespace pramo
