// Every report of the program, one line each.

#include "crisistax/ispis_kriznice.h"
#include "joppd/page_a.h"
#include "joppd/page_b.h"
#include "orders/order_reports.h"
#include "reports/idd.h"
#include "reports/id1/id1_print.h"
#include "reports/id1/popratni_dopis.h"
#include "reports/obracun_ispis.h"
#include "reports/opcine_ispis.h"
#include "reports/potvrde.h"
#include "documents/report_declaration.h"
#include "reports/rsm/rsm.h"
#include "reports/vrste_dohotka_ispis.h"

namespace pramo {

const std::vector<const ReportSpec*>& allReports() {
    static const std::vector<const ReportSpec*> all{
        &opcineIspisReport,
        &ispisVrstaDohotkaReport,
        &ispisKrizniceReport,
        &joppdIspisReport,
        &joppBStranaReport,
        &id1Report,
        &popratniDopisReport,
        &rsmAReport,
        &rsmBReport,
        &hub3Report,
        &hub3aReport,
        &potvrdeReport,
        &potvrdeSKriznicomReport,
        &iddReport,
        &obracunIspReport,
        &obrIsplateIspReport,
    };
    return all;
}

}  // namespace pramo
