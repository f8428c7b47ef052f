#pragma once
// The forms the payments list prints from its menu "Ispisi obrazaca": "RSm - A" (Ctrl+A) and
// "RSm - B" (Ctrl+B) of the highlighted payment with the printer kind chosen under "Vrsta
// pisača", and "ID-1" (Ctrl+I) of the highlighted payment's payer for the year of the window's
// "godinu". Each runs its report with the progress window into the full preview, from which the
// user prints; a run that finds nothing ends quietly. True when pages were printed.

#include <QKeySequence>
#include <QString>
#include <cstdint>
#include <functional>

#include "documents/report_declaration.h"

class QMenu;
class QWidget;

namespace pramo {

struct AppContext;

bool printRsmA(AppContext& ctx, std::int32_t isplata, PrinterKind printer, QWidget* parent);
bool printRsmB(AppContext& ctx, std::int32_t isplata, PrinterKind printer, QWidget* parent);
bool printId1(AppContext& ctx, std::int32_t isplatitelj, int godina, QWidget* parent);

// What the menu entries print, read from the payments list when an entry is chosen.
struct FormReportTarget {
    std::int32_t isplata = 0;      // the highlighted payment (0: none)
    std::int32_t isplatitelj = 0;  // its payer
    int godina = 0;                // the year typed beside "godinu"
    PrinterKind printer = PrinterKind::Laser;
};

// Adds the three entries, in the order "RSm - A", "RSm - B", "ID-1", with their keys, to `menu`
// (the payments list's "Ispisi obrazaca"). An entry chosen with no payment highlighted does nothing.
void addFormReportEntries(QMenu& menu, AppContext& ctx, std::function<FormReportTarget()> target, QWidget* parent);

}  // namespace pramo
