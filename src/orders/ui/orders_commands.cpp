#include "orders/ui/orders_commands.h"

#include "orders/order_reports.h"
#include "preview/ui/run_report.h"

namespace pramo {

bool printHub3(std::int32_t payment, PrinterKind printer, std::int32_t param, AppContext& ctx, QWidget* parent) {
    return startReport(hub3Report, hub3Args(payment, printer, param), ctx, parent);
}

bool printHub3a(std::int32_t payment, PrinterKind printer, AppContext& ctx, QWidget* parent) {
    return startReport(hub3aReport, hub3aArgs(payment, printer), ctx, parent);
}

bool printHub3(std::int32_t payment, PrinterKind printer, std::int32_t param, AppContext& ctx, PreviewHost& host,
               QWidget* parent) {
    return startReport(hub3Report, hub3Args(payment, printer, param), ctx, host, parent);
}

bool printHub3a(std::int32_t payment, PrinterKind printer, AppContext& ctx, PreviewHost& host, QWidget* parent) {
    return startReport(hub3aReport, hub3aArgs(payment, printer), ctx, host, parent);
}

}  // namespace pramo
