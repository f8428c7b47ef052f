#include "crisistax/register_reports.h"

#include "crisistax/ispis_kriznice.h"

namespace pramo {

void registerCrisisTaxReports(ReportCatalog& catalog) { catalog.add(ispisKrizniceReport); }

}  // namespace pramo
