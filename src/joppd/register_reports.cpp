#include "joppd/register_reports.h"

#include "joppd/page_a.h"
#include "joppd/page_b.h"

namespace pramo {

void registerJoppdReports(ReportCatalog& catalog) {
    catalog.add(joppdIspisReport);
    catalog.add(joppBStranaReport);
}

}  // namespace pramo
