#include <gtest/gtest.h>

#include "payments/working_values.h"
#include "preview/text_metrics.h"
#include "reports/id1/id1_print.h"
#include "reports/idd.h"
#include "reports/potvrde.h"
#include "reports/rsm/rsm.h"
#include "reports/year_office.h"

namespace pramo {
namespace {

using AmountsFit = test::YearOffice;

// A contract whose gross is nearly the largest amount an item's line holds: on every form with
// amount columns each text stays inside the width it is placed in (in smaller type where it must),
// so no amount is cut or runs into the next column.
TEST_F(AmountsFit, TheLargestAmountsStayInTheirCells) {
    item(1, 1, 4, "550000000.00");
    ASSERT_GT(office.line(nextItem - 1, Pozicija::Bruto), test::money("900000000.00"));
    const struct { const ReportSpec* spec; ReportArgs args; } forms[] = {
        {&id1Report, {.payer = 1, .year = 2010}},
        {&rsmBReport, {.payment = 1}},
        {&potvrdeReport, {.payer = 1, .payee = 1, .year = 2010}},
        {&potvrdeSKriznicomReport, {.payer = 1, .payee = 1, .year = 2010}},
        {&iddReport, {.payer = 1, .year = 2010, .month = 3}}};
    for (const auto& form : forms) {
        SCOPED_TRACE(form.spec->name);
        SilentProgress progress;
        const ReportResult r = runDeclaredReport(*form.spec, data.files, form.args, office.clock(), progress);
        int largest = 0;
        for (const Page& page : r.pages) {
            for (const PageItem& item : page.items()) {
                const auto* run = std::get_if<TextRun>(&item);
                if (!run || run->width <= 0.0) continue;
                EXPECT_LE(textWidthMm(run->font, run->text), run->width) << run->text.toStdString();
                largest += run->text.size() >= 14 && run->text.front().isDigit();
            }
        }
        EXPECT_GT(largest, 0);
    }
}

}  // namespace
}  // namespace pramo
