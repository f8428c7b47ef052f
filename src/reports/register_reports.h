#pragma once
// The annual and periodic reports and the listings, registered into the program's catalogue
// (app/register_reports.cpp).

namespace pramo {

class ReportCatalog;

void registerReportsReports(ReportCatalog& catalog);

}  // namespace pramo
