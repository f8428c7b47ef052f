#pragma once
// The payment orders' reports, registered into the program's catalogue (app/register_reports.cpp).

namespace pramo {

class ReportCatalog;

void registerOrdersReports(ReportCatalog& catalog);

}  // namespace pramo
