#include "report_office.h"
#include "reports/idd.h"

namespace pramo {
namespace {

// Payer 1's March 2015: contracts (type 1, IDD column 4) of payees 1 and 2, an author's fee (type
// 2, column 4), two artists' fees (column 5) and a pupil's award (column 8); its April, and payer
// 2's March.
class Idd : public test::ReportOffice {
protected:
    void SetUp() override {
        const auto march = payment(1, test::date(2015, 3, 10)), lateMarch = payment(1, test::date(2015, 3, 31));
        item(march, 1, 1, "1000.00");
        item(march, 2, 1, "800.00");
        item(march, 1, 2, "500.00");
        item(lateMarch, 1, test::umjetnik, "750.00");
        item(lateMarch, 3, test::umjetnik, "1200.00");
        item(lateMarch, 2, test::neoporezivi, "200.00");
        item(payment(1, test::date(2015, 4, 1)), 1, 1, "333.00");
        item(payment(test::drugiPayer, test::date(2015, 3, 15)), 1, 1, "444.00");
    }
    ReportResult form(std::int32_t payer, int month) { return run(iddReport, {.payer = payer, .year = 2015, .month = month}); }
    // A row's label in the matrix, under the column numbers.
    static const TextRun* row(const Page& page, const char* label) {
        const TextRun* numbers = test::runWith(page, "9");
        return numbers ? test::runBelow(page, label, *numbers) : nullptr;
    }
};

// The rows of the form with the lines they add up, as the tax authority's form defines them;
// `noBox` lists the columns the form has no box for in that row.
struct FormRow {
    const char* label;
    std::initializer_list<int> positions;
    std::initializer_list<int> noBox = {};
};
constexpr FormRow amountRows[] = {
    {"2.", {1}},        {"3.", {2, 3}, {7, 8}}, {"4.", {4}},  {"5.1.", {5}}, {"5.3.", {6}}, {"5.4.", {11}},
    {"6.", {5, 6}, {5, 8}}, {"7.", {7}},        {"8.", {8}},  {"9.", {9}},   {"10.", {8, 9}},
};

// The items of payer 1's March 2015 in one IDD column, and those the form takes a position's
// lines of (the contribution base of columns 4 to 6 is not taken).
std::string inColumn(int column) { return "i.ISPLATITELJ = 1 AND i.year = 2015 AND i.month = 3 AND v.STUPACIDD = " + std::to_string(column); }
std::string taken(int position) {
    return "i.ISPLATITELJ = 1 AND i.year = 2015 AND i.month = 3" +
           std::string(position == 4 ? " AND v.STUPACIDD NOT IN (4, 5, 6)" : "");
}

TEST_F(Idd, EveryCellIsTheSumOfTheStoredLines) {
    const ReportResult r = form(1, 3);
    ASSERT_EQ(r.end, RunEnd::Pages);
    ASSERT_EQ(r.pages.size(), 1u);
    const Page& page = r.pages.front();
    for (const FormRow& row : amountRows) {
        const TextRun* label = Idd::row(page, row.label);
        ASSERT_NE(label, nullptr) << row.label;
        Total total;
        for (int column = 3; column <= 8; ++column) {
            Total cell;
            for (int p : row.positions) {
                if (!(p == 4 && column >= 4 && column <= 6)) cell += sqlSum(inColumn(column), {p});
            }
            const bool boxed = std::find(row.noBox.begin(), row.noBox.end(), column) == row.noBox.end();
            EXPECT_EQ(test::cellText(page, *label, *test::runWith(page, QString::number(column))), boxed ? test::printed(cell) : "")
                << row.label << " column " << column;
        }
        for (int p : row.positions) total += sqlSum(taken(p), {p});
        EXPECT_EQ(test::cellText(page, *label, *test::runWith(page, "9")), test::printed(total)) << row.label;
    }
}

TEST_F(Idd, CountsItemsPerColumn) {
    const Page page = form(1, 3).pages.front();
    const TextRun* label = row(page, "1");
    const struct { const char* column; std::int64_t items; } cases[] = {{"3", 0}, {"4", 3}, {"5", 2}, {"8", 1}, {"9", 6}};
    for (const auto& c : cases) {
        const std::int64_t expected = c.items;
        EXPECT_EQ(sqlCount(c.column == std::string("9") ? "i.ISPLATITELJ = 1 AND i.year = 2015 AND i.month = 3"
                                                        : inColumn(std::stoi(c.column))), expected);
        EXPECT_EQ(test::cellText(page, *label, *test::runWith(page, c.column)), expected ? QString::number(expected) : "") << c.column;
    }
}

// Column 5's contribution base goes nowhere, while its contributions count in rows 5.1, 5.3 and 6
// (the form has no box for row 6 there, but column 9 includes it).
TEST_F(Idd, ArtistsContributionsWithoutTheirBase) {
    const Page page = form(1, 3).pages.front();
    const TextRun* column5 = test::runWith(page, "5");
    const std::string artists = inColumn(5);
    EXPECT_GT(sqlSum(artists, {4}), Total{});
    EXPECT_EQ(test::cellText(page, *row(page, "4."), *column5), "");
    EXPECT_EQ(test::cellText(page, *row(page, "5.1."), *column5), test::printed(sqlSum(artists, {5})));
    EXPECT_EQ(test::cellText(page, *row(page, "5.3."), *column5), test::printed(sqlSum(artists, {6})));
    EXPECT_EQ(test::cellText(page, *row(page, "6."), *column5), "");
    const Total rest = sqlSum("i.ISPLATITELJ = 1 AND i.year = 2015 AND i.month = 3 AND v.STUPACIDD <> 5", {5, 6});
    EXPECT_EQ(test::cellText(page, *row(page, "6."), *test::runWith(page, "9")),
              test::printed(rest + sqlSum(artists, {5, 6})));
}

TEST_F(Idd, MonthWithoutPaymentsAndPayerWithout) {
    const ReportResult r = form(1, 2);
    ASSERT_EQ(r.end, RunEnd::Pages);
    const Page& page = r.pages.front();
    for (const char* text : {"OBRAZAC IDD", "U MJESECU 2.  2015. GODINE", "Pramo d.o.o.", "Zagreb, Ilica 1", "12345678903"}) {
        EXPECT_NE(test::runWith(page, text), nullptr) << text;
    }
    for (const char* label : {"1", "2.", "3.", "4.", "5.1.", "5.3.", "5.4.", "6.", "7.", "8.", "9.", "10."}) {
        for (const char* column : {"3", "4", "5", "6", "7", "8", "9"}) {
            EXPECT_EQ(test::cellText(page, *row(page, label), *test::runWith(page, column)), "") << label << " " << column;
        }
    }
    EXPECT_EQ(run(iddReport, {.payer = 77, .year = 2015, .month = 3}).end, RunEnd::NothingToPrint);
}

TEST_F(Idd, OldTaxNumberWhenThePayerHasNoOib) {
    const Page page = form(test::drugiPayer, 3).pages.front();
    for (const char* text : {"Drugi obrt", "Split, Marmontova 7", "0123456"}) EXPECT_NE(test::runWith(page, text), nullptr) << text;
    EXPECT_EQ(test::cellText(page, *row(page, "2."), *test::runWith(page, "9")), test::printed(sqlSum("i.ISPLATITELJ = 2", {1})));
}

}  // namespace
}  // namespace pramo
