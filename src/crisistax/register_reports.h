#pragma once
// The crisis-tax subsystem's reports, registered into the program's catalogue (app/register_reports.cpp).

namespace pramo {

class ReportCatalog;

void registerCrisisTaxReports(ReportCatalog& catalog);

}  // namespace pramo
