#include <gtest/gtest.h>

#include "reports/rsm/rsm.h"
#include "reports/year_office.h"

namespace pramo {
namespace {

class Rsm : public test::YearOffice {
protected:
    ReportResult run(const ReportSpec& spec, std::int32_t isplata, PrinterKind printer = PrinterKind::Laser) {
        SilentProgress progress;
        const ReportArgs args{.payment = isplata, .printer = printer};
        return runDeclaredReport(spec, data.files, args, office.clock(), progress);
    }
    // The value beside a label of page A.
    static std::string valueOf(const Page& page, const char* label) {
        const std::vector<QString> row = test::rowBeside(page, QString::fromUtf8(label));
        return row.empty() ? "(no such label)" : row.back().toStdString();
    }
};

// Page A says how many insured persons and pages B there are; pages B hold the rows.
TEST_F(Rsm, PagesBCountedOnPageA) {
    const struct { int items; const char* pagesB; std::size_t printedB; } cases[] = {
        {1, "1", 1}, {11, "1", 1}, {12, "2", 2}, {22, "2", 2}, {23, "3", 3}};
    std::int32_t isplata = 10;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.items);
        ++isplata;
        payment(isplata, 1, test::date(2010, 9, 1) + isplata);
        for (int i = 0; i < c.items; ++i) item(isplata, 1 + i % 3, 4, "100.00");
        const ReportResult a = run(rsmAReport, isplata);
        ASSERT_EQ(a.pages.size(), 1u);
        EXPECT_EQ(valueOf(a.pages[0], "Broj osiguranika za koje se podnosi Obrazac R-Sm"), std::to_string(c.items));
        EXPECT_EQ(valueOf(a.pages[0], "Broj stranica B koje se prilažu stranici A"), c.pagesB);
        EXPECT_EQ(run(rsmBReport, isplata).pages.size(), c.printedB);
    }
}

// Page A's control totals are the payment's lines added up; the amount paid out is the net less
// the crisis tax.
TEST_F(Rsm, PageATotals) {
    const Page page = run(rsmAReport, 1).pages.at(0);
    const struct { const char* label; std::int64_t cents; } rows[] = {
        {"Iznos obračunane plaće / naknade / drugog dohotka", paymentCents(1, "4")},
        {"Iznos osnovice za obračun doprinosa", paymentCents(1, "4")},
        {"Iznos obračunanog doprinosa za I. stup", paymentCents(1, "5")},
        {"Iznos obračunanog doprinosa za II. stup", paymentCents(1, "6")},
        {"Iznos isplaćene plaće / naknade / drugog dohotka", paymentCents(1, "10") - paymentCents(1, "13")}};
    for (const auto& row : rows) EXPECT_EQ(valueOf(page, row.label), test::printed(row.cents)) << row.label;
    EXPECT_EQ(valueOf(page, "IDENTIFIKACIJSKI BROJ OBVEZNIKA"), "12345678903");
    EXPECT_EQ(valueOf(page, "ADRESA OBVEZNIKA"), "Zagreb, Ilica 1");
    EXPECT_EQ(test::rowBeside(page, QStringLiteral("Godina i mjesec isplate plaće / naknade / drugog dohotka")).size(), 4u);
    EXPECT_TRUE(test::hasText(page, QStringLiteral("03")));
}

// One row per item: identified by the OIB or else the JMBG, with the municipality of work (the
// code in the e-mail field when the fax field says "DA"), the basis of calculation of the income
// type and the amount paid out less the crisis tax.
TEST_F(Rsm, PageBRows) {
    const Page page = run(rsmBReport, 1).pages.at(0);
    const struct { const char* name; std::int32_t payee; const char* id; const char* opc; } rows[] = {
        {"Horvat Ivan", 1, "69435151530", "1333"},
        {"Kovačević Ana", 2, "94577403194", "1333"},  // lives in Split, works in Zagreb
        {"Šimić Đurđa", 3, "0101990335008", "1333"},
        {"Zec Zoran", 5, "48764416283", "4090"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::vector<QString> cells = test::rowBeside(page, QString::fromUtf8(row.name));
        ASSERT_EQ(cells.size(), 16u);
        EXPECT_EQ(cells[2], row.id);
        EXPECT_EQ(cells[3], row.opc);
        EXPECT_EQ(cells[4] + cells[5] + cells[6], row.payee == 5 ? "" : "021");
        EXPECT_EQ(cells[11].toStdString(), test::printed(paymentCents(1, "4", row.payee)));
        EXPECT_EQ(cells[13].toStdString(), test::printed(paymentCents(1, "5", row.payee)));
        EXPECT_EQ(cells[15].toStdString(),
                  test::printed(paymentCents(1, "10", row.payee) - paymentCents(1, "13", row.payee)));
    }
}

// A matrix printer gets no grey; a laser printer the form's eight shaded boxes.
TEST_F(Rsm, ShadingOnlyForLaser) {
    const auto shaded = [](const Page& page) {
        int n = 0;
        for (const PageItem& item : page.items())
            if (const auto* box = std::get_if<PageBox>(&item); box && box->shade > 0.0) ++n;
        return n;
    };
    EXPECT_EQ(shaded(run(rsmAReport, 1, PrinterKind::Laser).pages.at(0)), 8);
    EXPECT_EQ(shaded(run(rsmAReport, 1, PrinterKind::Matrix).pages.at(0)), 0);
}

TEST_F(Rsm, NothingForAnUnknownPaymentOrOneWithoutItems) {
    payment(20, 1, test::date(2010, 9, 1));
    EXPECT_EQ(run(rsmAReport, 99).end, RunEnd::NothingToPrint);
    EXPECT_EQ(run(rsmBReport, 99).end, RunEnd::NothingToPrint);
    EXPECT_EQ(run(rsmBReport, 20).end, RunEnd::NothingToPrint);
}

}  // namespace
}  // namespace pramo
