#include <span>

#include "payments/lines.h"
#include "report_office.h"
#include "reports/potvrde.h"

namespace pramo {
namespace {

using test::money;

// The payer's year 2015 with payee 1 Horvat: two contracts (type 1), an author's fee (type 2), a
// refund of nothing (type 3, all gross zero) and a non-taxable award; payee 2 Kovačević one
// contract; a contract of payee 1 from payer 2, and payer 1's payments of 2014 and 2016.
class Potvrde : public test::ReportOffice {
protected:
    void SetUp() override {
        const auto march = payment(1, test::date(2015, 3, 15)), july = payment(1, test::date(2015, 7, 20));
        item(march, 1, 1, "1000.00");
        item(march, 1, 2, "500.00");
        item(march, 2, 1, "800.00");
        award = item(march, 1, test::neoporezivi, "200.00");
        item(july, 1, 1, "300.00");
        item(july, 1, 3, "0.00");
        item(payment(test::drugiPayer, test::date(2015, 5, 5)), 1, 1, "700.00");
        item(payment(1, test::date(2014, 12, 31)), 1, 1, "400.00");
        item(payment(1, test::date(2016, 1, 1)), 1, 1, "100.00");
    }
    ReportResult certificates(const ReportSpec& spec, std::int32_t payer, int year, std::int32_t payee = 0) {
        return run(spec, {.payer = payer, .payee = payee, .year = year, .reportDate = test::date(2016, 1, 20)});
    }
    std::int32_t award = 0;
};

// Each total column of the certificates and the lines it adds up (and takes away).
struct TotalColumn {
    const char* number;
    std::initializer_list<int> plus;
    std::initializer_list<int> minus;
};
constexpr TotalColumn ordinaryTotals[] = {{"4", {1}, {}},         {"6", {2, 3}, {}}, {"7", {5, 6}, {}},
                                          {"8 (4-6-7)", {7}, {}}, {"10", {8, 9}, {}}, {"11 (4-7-10)", {10}, {}}};
constexpr TotalColumn crisisTotals[] = {{"4", {1}, {}},          {"6", {2, 3}, {}}, {"7", {5, 6}, {}},
                                        {"8 (4-6-7)", {7}, {}},  {"10", {8, 9}, {}}, {"11", {13}, {}},
                                        {"12 (4-7-10-11)", {10}, {13}}};

TEST(CertificateYear, TwelveColumnsForTheCrisisYearsOnly) {
    const struct { int year; CertificateKind kind; } cases[] = {
        {2008, CertificateKind::Ordinary}, {2009, CertificateKind::WithCrisisTax},
        {2010, CertificateKind::WithCrisisTax}, {2011, CertificateKind::Ordinary}};
    for (const auto& c : cases) EXPECT_EQ(certificateKindFor(c.year), c.kind) << c.year;
}

TEST(CertificateYear, OfferedYearTurnsInAugust) {
    const struct { Date today; int year; } cases[] = {
        {test::date(2015, 7, 31), 2014}, {test::date(2015, 8, 1), 2015}, {test::date(2015, 1, 2), 2014},
        {test::date(2015, 12, 31), 2015}};
    for (const auto& c : cases) EXPECT_EQ(defaultCertificateYear(c.today), c.year) << c.today.toString();
}

TEST_F(Potvrde, TotalsAreTheSumsOfTheStoredLines) {
    ASSERT_EQ(writeLine(office.store(), award, Pozicija::Kriznica, money("12.34")), StoreCode::Ok);
    const struct {
        const ReportSpec* spec;
        std::span<const TotalColumn> columns;
        const char* types;  // which items the certificate covers
    } cases[] = {{&potvrdeReport, ordinaryTotals, "v.REZDECIMALA = 0"}, {&potvrdeSKriznicomReport, crisisTotals, "1"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.spec->name);
        const ReportResult r = certificates(*c.spec, 1, 2015, 1);
        ASSERT_EQ(r.end, RunEnd::Pages);
        const Page& page = r.pages.front();
        const std::string covered = "i.ISPLATITELJ = 1 AND i.year = 2015 AND d.DJELATNIK = 1 AND " + std::string(c.types);
        for (const auto& [label, where] : {std::pair{"SVEUKUPNO", covered},
                                           {"Ukupno Ugovor o djelu", covered + " AND d.VRSTADOHOTKA = 1"},
                                           {"Ukupno Autorski honorar", covered + " AND d.VRSTADOHOTKA = 2"}}) {
            const TextRun* row = test::runWith(page, label);
            ASSERT_NE(row, nullptr) << label;
            for (const TotalColumn& col : c.columns) {
                const TextRun* column = test::runWith(page, col.number);
                ASSERT_NE(column, nullptr) << col.number;
                const Total expected = sqlSum(where, col.plus) - (col.minus.size() ? sqlSum(where, col.minus) : Total{});
                EXPECT_EQ(test::cellText(page, *row, *column), test::printed(expected)) << label << " column " << col.number;
            }
        }
    }
}

TEST_F(Potvrde, RowsNumberedOnAcrossTypesWithoutZeroSubtotals) {
    const struct {
        const ReportSpec* spec;
        QStringList types;  // the rows' income types in order
    } cases[] = {
        {&potvrdeReport, {"Ugovor o djelu", "Ugovor o djelu", "Autorski honorar", "Naknada troškova"}},
        {&potvrdeSKriznicomReport, {"Ugovor o djelu", "Ugovor o djelu", "Autorski honorar", "Naknada troškova", "Nagrada učeniku"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.spec->name);
        const ReportResult r = certificates(*c.spec, 1, 2015, 1);
        ASSERT_EQ(r.end, RunEnd::Pages);
        const Page& page = r.pages.front();
        const TextRun* typeColumn = test::runWith(page, "3");
        for (qsizetype i = 0; i < c.types.size(); ++i) {
            const TextRun* row = test::runWith(page, QStringLiteral("%1.").arg(i + 1));
            ASSERT_NE(row, nullptr) << i + 1;
            EXPECT_EQ(test::cellText(page, *row, *typeColumn), c.types[i]) << i + 1;
        }
        EXPECT_EQ(test::runWith(page, QStringLiteral("%1.").arg(c.types.size() + 1)), nullptr);
        EXPECT_EQ(test::runWith(page, "Ukupno Naknada troškova"), nullptr);  // all its gross is zero
        EXPECT_EQ(test::runWith(page, "Ukupno Nagrada učeniku") != nullptr, c.spec == &potvrdeSKriznicomReport);
    }
}

TEST_F(Potvrde, YearChoosesTheLayout) {
    for (const int year : {2008, 2009, 2010, 2011}) item(payment(1, test::date(year, 6, 1)), 1, 1, "100.00");
    for (const int year : {2008, 2009, 2010, 2011}) {
        const ReportResult r = certificates(potvrdeReport, 1, year, 1);
        ASSERT_EQ(r.end, RunEnd::Pages) << year;
        const bool twelve = test::runWith(r.pages.front(), "12 (4-7-10-11)") != nullptr;
        EXPECT_EQ(twelve, year == 2009 || year == 2010) << year;
        EXPECT_EQ(test::runWith(r.pages.front(), "11 (4-7-10)") != nullptr, !twelve) << year;
        EXPECT_NE(test::runWith(r.pages.front(), QStringLiteral("O ISPLAĆENOM PRIMITKU, DOHOTKU, UPLAĆENOM DOPRINOSU, POREZU "
                                                                "NA DOHODAK I PRIREZU U %1. GODINI").arg(year)), nullptr);
    }
}

TEST_F(Potvrde, OnlyTheChosenPayersPayments) {
    const ReportResult r = certificates(potvrdeReport, test::drugiPayer, 2015, 1);
    ASSERT_EQ(r.end, RunEnd::Pages);
    const Page& page = r.pages.front();
    EXPECT_NE(test::runWith(page, "Drugi obrt"), nullptr);
    EXPECT_NE(test::runWith(page, "1."), nullptr);
    EXPECT_EQ(test::runWith(page, "2."), nullptr);
    const Total gross = sqlSum("i.ISPLATITELJ = 2 AND d.DJELATNIK = 1", {1});
    EXPECT_EQ(test::cellText(page, *test::runWith(page, "SVEUKUPNO"), *test::runWith(page, "4")), test::printed(gross));
}

TEST_F(Potvrde, PayeeWithoutItemsOrWithoutThePayersItems) {
    EXPECT_EQ(certificates(potvrdeReport, 1, 2015, 3).end, RunEnd::NothingToPrint);  // Šimić was never paid
    const ReportResult r = certificates(potvrdeReport, test::drugiPayer, 2014, 1);
    ASSERT_EQ(r.end, RunEnd::Pages);
    const Page& page = r.pages.front();
    const TextRun* total = test::runWith(page, "SVEUKUPNO");
    ASSERT_NE(total, nullptr);
    for (const char* column : {"4", "6", "7", "10", "11 (4-7-10)"}) {
        EXPECT_EQ(test::cellText(page, *total, *test::runWith(page, column)), "") << column;
    }
    EXPECT_EQ(test::runWith(page, "1."), nullptr);
}

TEST_F(Potvrde, EveryPayeeOfThePayerInSurnameOrder) {
    const ReportResult all = certificates(potvrdeReport, 1, 2015);
    ASSERT_EQ(all.end, RunEnd::Pages);
    ASSERT_EQ(all.pages.size(), 2u);
    EXPECT_NE(test::runWith(all.pages[0], "Ivan Horvat"), nullptr);
    EXPECT_NE(test::runWith(all.pages[1], "Ana Kovačević"), nullptr);
    for (const std::int32_t payee : {1, 2}) {
        const ReportResult one = certificates(potvrdeReport, 1, 2015, payee);
        ASSERT_EQ(one.pages.size(), 1u);
        EXPECT_EQ(test::textOf(one.pages), test::textOf({all.pages[static_cast<std::size_t>(payee - 1)]})) << payee;
    }
    EXPECT_EQ(certificates(potvrdeReport, 1, 2013).end, RunEnd::NothingToPrint);
}

TEST_F(Potvrde, HeaderAndFoot) {
    const ReportResult r = certificates(potvrdeReport, 1, 2015, 1);
    ASSERT_EQ(r.end, RunEnd::Pages);
    const Page& page = r.pages.front();
    for (const char* s : {"POTVRDA", "Isplatitelj:", "Pramo d.o.o.", "Zagreb, Ilica 1", "12345678903", "Porezni obveznik:",
                          "Ivan Horvat", "Zagreb, Ilica 10", "69435151530", "Zagreb, 20.01.2016", "POTPIS I PEČAT ISPLATITELJA"}) {
        EXPECT_NE(test::runWith(page, QString::fromUtf8(s)), nullptr) << s;
    }
    const TextRun* rate = test::runWith(page, "5");
    const struct { const char* row; const char* rate; } rates[] = {
        {"1.", "0%"}, {"3.", "30%"}, {"4.", "100%+0%"}, {"Ukupno Autorski honorar", "30%"}, {"SVEUKUPNO", ""}};
    for (const auto& c : rates) EXPECT_EQ(test::cellText(page, *test::runWith(page, c.row), *rate), c.rate) << c.row;
}

// A read error while passing over the payee's items names the items' file.
// After the first item the store may no longer read DOHOCI (a report reads one state of the books,
// so a file another program renames meanwhile is still read as it was).
class RefusingProgress : public SilentProgress {
public:
    explicit RefusingProgress(Store& store) : store_(store) {}
    bool advance(std::int64_t done) override {
        if (done == 1) store_.setReadFilter([](std::string_view table) { return table != "DOHOCI"; });
        return true;
    }

private:
    Store& store_;
};

TEST_F(Potvrde, ReadErrorNamesTheItemsFile) {
    RefusingProgress refusing(data.store);
    const ReportArgs args{.payer = 1, .payee = 1, .year = 2015};
    const ReportResult r = runDeclaredReport(potvrdeReport, data.files, args, office.clock(), refusing);
    data.store.setReadFilter({});
    EXPECT_EQ(r.end, RunEnd::Failed);
    EXPECT_EQ(r.failedFile, "DOHOCI");
}

}  // namespace
}  // namespace pramo
