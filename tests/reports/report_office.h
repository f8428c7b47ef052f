#pragma once
// The office of the document tests: the shared test office with a second payer, a type of a
// non-taxable receipt and a type that names IDD column 5, payments and items added by date, the
// declared reports run over it, and sums of stored lines computed with plain SQL for comparison.

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <string>

#include "preview/page.h"
#include "reports/position_sums.h"
#include "documents/report_declaration.h"
#include "support/office.h"
#include "support/raw_db.h"
#include "support/test_data.h"

// Texts in test failures as text.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace pramo::test {

// Income types beside the office's 1 "Ugovor o djelu" (IDD column 4), 2 "Autorski honorar" and 3
// "Naknada troškova".
inline constexpr std::uint8_t umjetnik = 5;     // artists' work: IDD column 5
inline constexpr std::uint8_t neoporezivi = 6;  // a non-taxable receipt (JOPPD code 17)
inline constexpr std::int32_t drugiPayer = 2;

class ReportOffice : public testing::Test {
protected:
    ReportOffice();

    // A payment of `payer` on `day`, numbered on from the last.
    std::int32_t payment(std::int32_t payer, Date day);
    // An income item of the payment, calculated; answers its number.
    std::int32_t item(std::int32_t payment, std::int32_t payee, std::uint8_t type, const char* neto);

    ReportResult run(const ReportSpec& spec, const ReportArgs& args);

    // The sum of the stored lines of `positions` over the items `where` takes, computed with SQL
    // over OBRACUN joined to DOHOCI (d), ISPLATE (i) and VRSTEDOH (v); i.year and i.month are the
    // payment date's year and month.
    Total sqlSum(const std::string& where, std::initializer_list<int> positions);
    std::int64_t sqlCount(const std::string& where);

    TestData data;
    Office office{data.files};
    SilentProgress progress;
    RawDb raw{data.dir.file("pramo.db")};

private:
    std::int32_t lastPayment_ = 0;
    std::int32_t lastItem_ = 0;
};

// Reading printed pages as tables: the text runs of a row are those level with its label; a
// column is the horizontal span of a heading run (the column numbers printed under the headings).
const TextRun* runWith(const Page& page, const QString& text, int nth = 0);
// The first run with the text below `above` (a row label under the column numbers).
const TextRun* runBelow(const Page& page, const QString& text, const TextRun& above);
// The text printed level with `row` inside the span of `column`; empty when there is none.
QString cellText(const Page& page, const TextRun& row, const TextRun& column);
// Every page's lines as text.
QStringList textOf(const std::vector<Page>& pages);
// An amount as the pages print it.
QString printed(const Total& s);

}  // namespace pramo::test
