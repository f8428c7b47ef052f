#include "payments/lines.h"
#include "payments/positions.h"
#include "records/layouts/pozicije.h"
#include "report_office.h"
#include "reports/obracun_ispis.h"

namespace pramo {
namespace {

using test::money;

// A payment of payee 1 (Zagreb, surtax 18 %) and payee 2 (Split, 10 %), the first item with a line
// of position 20 entered by hand; and a payment without items.
class ObracunIspis : public test::ReportOffice {
protected:
    void SetUp() override {
        ASSERT_EQ(upgradePositions(office.store()), StoreCode::Ok);  // 13 "Kriznica", 14 "Poslije Kriznice"
        paid = payment(1, test::date(2015, 3, 10));
        horvat = item(paid, 1, 2, "1000.00");
        kovacevic = item(paid, 2, 1, "800.00");
        ASSERT_EQ(writeLine(office.store(), horvat, 20, money("55.00")), StoreCode::Ok);
        empty = payment(1, test::date(2015, 4, 10));
    }
    // The amount printed level with a row's text, in either amount column.
    static QString amountBeside(const Page& page, const TextRun& row) {
        for (const PageItem& item : page.items()) {
            const auto* run = std::get_if<TextRun>(&item);
            if (run && run->align == Align::Right && run->at.x() > 100.0 && std::abs(run->at.y() - row.at.y()) < 0.5 &&
                !run->text.isEmpty())
                return run->text;
        }
        return {};
    }
    Page listing(const ReportSpec& spec, ReportArgs args) {
        const ReportResult r = run(spec, args);
        EXPECT_EQ(r.end, RunEnd::Pages);
        return r.pages.empty() ? Page() : r.pages.front();
    }

    std::int32_t paid = 0, horvat = 0, kovacevic = 0, empty = 0;
};

TEST_F(ObracunIspis, ItemLinesWithTheirNamesAndTheCost) {
    const Page page = listing(obracunIspReport, {.item = horvat});
    const std::string of = "d.OZNAKA = " + std::to_string(horvat);
    const struct { const char* name; int position; } rows[] = {
        {"Bruto", 1}, {"Priznati troškovi", 3}, {"Osnovica doprinosa", 4}, {"MO I. stup", 5}, {"MO II. stup", 6},
        {"Dohodak", 7}, {"Porez na dohodak", 8}, {"Prirez po stopi od 18%", 9}, {"Neto", 10},
        {"Zdravstveno osig.", 11}, {"Kriznica", 13}, {"Poslije Kriznice", 14}};
    for (const auto& r : rows) {
        const TextRun* row = test::runWith(page, r.name);
        ASSERT_NE(row, nullptr) << r.name;
        EXPECT_EQ(amountBeside(page, *row), test::printed(sqlSum(of, {r.position}))) << r.name;
    }
    const TextRun* hand = test::runWith(page, "20");
    ASSERT_NE(hand, nullptr);
    EXPECT_EQ(amountBeside(page, *hand), "55,00");
    const TextRun* cost = test::runWith(page, "Bruto + Zdravstveno osiguranje");
    ASSERT_NE(cost, nullptr);
    EXPECT_EQ(amountBeside(page, *cost), test::printed(sqlSum(of, {1, 11})));
    for (const char* text : {"Pramo d.o.o.", "15069   10.03.2015", "Rekapitulacija za: Ivan Horvat, Zagreb    JMBG: "}) {
        EXPECT_NE(test::runWith(page, text), nullptr) << text;
    }
}

TEST_F(ObracunIspis, SurtaxRateNowInTheRegister) {
    const struct {
        const char* change;  // SQL run before the listing
        std::int32_t* item;
        const char* text;    // the surtax line's text, empty: none
    } cases[] = {
        {"SELECT 1", &kovacevic, "Prirez po stopi od 10%"},
        {"UPDATE OPCINE SET STOPAPRIREZA = 1250 WHERE OZNAKA = 1", &horvat, "Prirez po stopi od 12,5%"},
        {"UPDATE MJESTA SET OPCINA = 99 WHERE OZNAKA = 1", &horvat, "Prirez"},
        {"DELETE FROM OBRACUN WHERE POZICIJA = 9", &horvat, ""},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(raw.exec(c.change), 0) << c.change;
        const Page page = listing(obracunIspReport, {.item = *c.item});
        const TextRun* nine = test::runWith(page, "9");
        EXPECT_EQ(nine != nullptr, *c.text != 0) << c.change;
        if (*c.text != 0) {
            EXPECT_NE(test::runWith(page, c.text), nullptr) << c.change;
        }
    }
}

TEST_F(ObracunIspis, PaymentSumsEveryPositionOfTheRegister) {
    const Page page = listing(obrIsplateIspReport, {.payment = paid});
    const std::string of = "d.ISPLATA = " + std::to_string(paid);
    Pozicije poz;
    office.store().set(Pozicije::keyOznaka);
    int rows = 0;
    while (ok(office.store().next(poz))) {
        const TextRun* row = test::runWith(page, QString::fromStdString(poz.naziv.str()));
        ASSERT_NE(row, nullptr) << poz.naziv.str();
        EXPECT_EQ(amountBeside(page, *row), test::printed(sqlSum(of, {poz.oznaka}))) << poz.naziv.str();
        ++rows;
    }
    EXPECT_EQ(rows, 14);
    EXPECT_EQ(amountBeside(page, *test::runWith(page, "20")), "55,00");
    EXPECT_EQ(amountBeside(page, *test::runWith(page, "Bruto + Zdravstveno osiguranje")), test::printed(sqlSum(of, {1, 11})));
    EXPECT_NE(test::runWith(page, "Rekapitulacija za isplatu:"), nullptr);
}

TEST_F(ObracunIspis, PaymentWithoutItemsListsBlankPositions) {
    const Page page = listing(obrIsplateIspReport, {.payment = empty});
    for (const char* name : {"Bruto", "Neto", "Osobni odbitak", "Poslije Kriznice"}) {
        const TextRun* row = test::runWith(page, name);
        ASSERT_NE(row, nullptr) << name;
        EXPECT_EQ(amountBeside(page, *row), "") << name;
    }
    EXPECT_EQ(amountBeside(page, *test::runWith(page, "Bruto + Zdravstveno osiguranje")), "");
    EXPECT_EQ(test::runWith(page, "20"), nullptr);
}

TEST_F(ObracunIspis, NothingForAMissingItemOrPayment) {
    EXPECT_EQ(run(obracunIspReport, {.item = 999}).end, RunEnd::NothingToPrint);
    EXPECT_EQ(run(obrIsplateIspReport, {.payment = 999}).end, RunEnd::NothingToPrint);
}

}  // namespace
}  // namespace pramo
