#include "orders/ui/orders_commands.h"

#include "orders/order_reports.h"
#include "preview/ui/run_report.h"
#include "shell/screen_registry.h"

namespace pramo {

void registerOrdersScreens(ScreenRegistry& registry) {
    registry.command({"HUB3", "Dugme za ispis naloga za plaćanje (HUB1)", QKeySequence(Qt::Key_F8), CommandPlace::Orders,
                      when(&ReportArgs::payment, reportCommand(hub3Report))});
    // HUB-3A forms go to a laser printer: the window's printer kind becomes "Laserski" first (so
    // no matrix printer's offsets are read, whatever record the list shows).
    registry.command({"HUB3A", "Dugme za ispis naloga za plaćanje (HUB1-1)", QKeySequence(Qt::Key_F9), CommandPlace::Orders,
                      [](CommandCall& c) {
                          c.setPrinter(PrinterKind::Laser);
                          if (c.args.payment != 0) startReport(hub3aReport, {.payment = c.args.payment}, c.ctx, c.window);
                      }});
}

}  // namespace pramo
