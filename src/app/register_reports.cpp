#include "app/register_reports.h"

#include "crisistax/register_reports.h"
#include "joppd/register_reports.h"
#include "orders/register_reports.h"
#include "reports/register_reports.h"

namespace pramo {

void registerAllReports(ReportCatalog& catalog) {
    registerReportsReports(catalog);
    registerCrisisTaxReports(catalog);
    registerJoppdReports(catalog);
    registerOrdersReports(catalog);
}

}  // namespace pramo
