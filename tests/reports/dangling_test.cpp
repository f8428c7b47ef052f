// A payment whose payer, or an item whose payee, is no longer in its register (the database edited
// with another program): a document that cannot be made without the record refuses, naming it,
// rather than print blanks where the record goes or leave the item out of a return.

#include <gtest/gtest.h>

#include "orders/order_reports.h"
#include "records/layouts/osobe.h"
#include "reports/id1/id1_print.h"
#include "reports/rsm/rsm.h"
#include "reports/year_office.h"

namespace pramo {
namespace {

using Dangling = test::YearOffice;

TEST_F(Dangling, DocumentsRefuseNamingTheMissingRecord) {
    const std::string payee = "Primatelj 5 stavke br. 4 isplate 1 nije upisan u registar primatelja.";
    const std::string payer = "Isplatitelj 1 isplate 1 (oznaka izvješća 10074) nije upisan u registar isplatitelja.";
    const ReportArgs payment{.payment = 1}, year{.payer = 1, .year = 2010};
    const struct {
        const char* remove;
        const ReportSpec* spec;
        const ReportArgs& args;
        const std::string& says;
    } cases[] = {
        {"DELETE FROM OSOBE WHERE OZNAKA = 5", &hub3Report, payment, payee},
        {"", &hub3aReport, payment, payee},
        {"", &rsmAReport, payment, payee},
        {"", &rsmBReport, payment, payee},
        {"", &id1Report, year, payee},
        {"DELETE FROM SUBJEKTI WHERE OZNAKA = 1", &hub3Report, payment, payer},
        {"", &rsmAReport, payment, payer},
        {"", &rsmBReport, payment, payer},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.spec->name);
        if (c.says == payer && *c.remove) office.add(Osobe{.oznaka = 5, .ime = "Zoran", .prezime = "Zec", .mjesto = 2});
        if (*c.remove) {
            ASSERT_EQ(raw.exec(c.remove), 0);
        }
        SilentProgress progress;
        const ReportResult r = runDeclaredReport(*c.spec, data.files, c.args, office.clock(), progress);
        EXPECT_EQ(r.end, RunEnd::Refused);
        EXPECT_EQ(r.refusal, c.says);
        EXPECT_TRUE(r.pages.empty());
    }
}

}  // namespace
}  // namespace pramo
