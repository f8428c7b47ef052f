#include "reports/register_reports.h"

#include "reports/id1/id1_print.h"
#include "reports/id1/popratni_dopis.h"
#include "reports/idd.h"
#include "reports/obracun_ispis.h"
#include "reports/opcine_ispis.h"
#include "reports/potvrde.h"
#include "reports/primatelji_ispis.h"
#include "reports/rsm/rsm.h"
#include "reports/vrste_dohotka_ispis.h"

namespace pramo {

void registerReportsReports(ReportCatalog& catalog) {
    catalog.add(opcineIspisReport);
    catalog.add(ispisVrstaDohotkaReport);
    catalog.add(id1Report);
    catalog.add(popratniDopisReport);
    catalog.add(rsmAReport);
    catalog.add(rsmBReport);
    catalog.add(potvrdeReport);
    catalog.add(potvrdeSKriznicomReport);
    catalog.add(iddReport);
    catalog.add(obracunIspReport);
    catalog.add(obrIsplateIspReport);
    catalog.add(primateljiIsplateReport);
}

}  // namespace pramo
