#include "orders/register_reports.h"

#include "orders/order_reports.h"

namespace pramo {

void registerOrdersReports(ReportCatalog& catalog) {
    catalog.add(hub3Report);
    catalog.add(hub3aReport);
}

}  // namespace pramo
