#pragma once
// The JOPPD subsystem's reports, registered into the program's catalogue (app/register_reports.cpp).

namespace pramo {

class ReportCatalog;

void registerJoppdReports(ReportCatalog& catalog);

}  // namespace pramo
