#include <gtest/gtest.h>

#include "reports/id1/id1_print.h"
#include "reports/year_office.h"

namespace pramo {
namespace {

const std::string formAccounts =
    "'1422','1805','1457','1465','1473','1546','1570','1589','1597','1600','1813','1821','1830','1848'";

class Id1Print : public test::YearOffice {
protected:
    ReportResult run(std::int32_t payer, int year) {
        SilentProgress progress;
        const ReportArgs args{.payer = payer, .year = year};
        return runDeclaredReport(id1Report, data.files, args, office.clock(), progress);
    }
    std::string cents(const char* positions, std::int32_t payee) {
        const std::int64_t c = yearCents(positions, std::to_string(payee), formAccounts);
        return c == 0 ? std::string() : test::printed(c);
    }
};

// Payees are numbered in surname order, skipping those not printed: Zec (crisis tax only, and tax
// only through an account the form does not know), Babić (no tax). Every amount is the sum of the
// payee's lines of payer 1's year over income types paying into the form's accounts; crisis tax
// is nowhere.
TEST_F(Id1Print, RowsNumberedAndSummed) {
    item(2, 5, 1, "100.00");  // Zec: tax, but into account 1406 only
    const ReportResult r = run(1, 2010);
    ASSERT_EQ(r.end, RunEnd::Pages);
    ASSERT_EQ(r.pages.size(), 1u);
    const Page& page = r.pages[0];
    const struct { const char* name; std::int32_t payee; const char* rb; const char* opc; } rows[] = {
        {"Ana  Marija Bäcker", 4, "1", "133"}, {"Ivan Horvat", 1, "2", "133"},
        {"Ana Kovačević", 2, "3", "409"},      {"Đurđa Šimić", 3, "4", "133"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::vector<QString> cells = test::rowBeside(page, QString::fromUtf8(row.name));
        ASSERT_EQ(cells.size(), 22u);
        EXPECT_EQ(cells[0], row.rb);
        EXPECT_EQ(cells[2], row.opc);
        EXPECT_EQ(cells[3].toStdString(), test::printed(yearCents("1", std::to_string(row.payee), formAccounts)));
        EXPECT_EQ(cells[4].toStdString(), cents("2,3", row.payee));
        EXPECT_EQ(cells[5].toStdString(), cents("5,6", row.payee));
        EXPECT_EQ(cells[20].toStdString(), cents("8,9", row.payee));
        EXPECT_EQ(cells[21].toStdString(), cents("10", row.payee));
    }
    for (const char* absent : {"Zoran Zec", "Marko Babić", "1902"}) EXPECT_FALSE(test::hasText(page, QString::fromUtf8(absent))) << absent;
}

// Tax lands in the column of its income type's account: 1422 is the first column, 1805 the second.
TEST_F(Id1Print, TaxByAccountColumn) {
    const Page page = run(1, 2010).pages.at(0);
    const std::vector<QString> horvat = test::rowBeside(page, QStringLiteral("Ivan Horvat"));
    ASSERT_EQ(horvat.size(), 22u);
    EXPECT_EQ(horvat[6].toStdString(), test::printed(yearCents("8,9", "1", "'1422'")));
    EXPECT_EQ(horvat[7].toStdString(), test::printed(yearCents("8,9", "1", "'1805'")));
    for (std::size_t c = 8; c < 20; ++c) EXPECT_EQ(horvat[c], QString()) << c;
}

TEST_F(Id1Print, NothingForAnUnknownPayerOrAnEmptyYear) {
    EXPECT_EQ(run(9, 2010).end, RunEnd::NothingToPrint);
    EXPECT_EQ(run(1, 2011).end, RunEnd::NothingToPrint);
}

}  // namespace
}  // namespace pramo
