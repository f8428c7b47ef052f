// The tax rate by the payment's date: an income type taxed at the payee's municipality's rate
// (POREZOPCINE "DA") takes, from 2024, the municipality's lower rate in force on the payment's
// date and no surtax; earlier payments and other types calculate as they always have; without a
// rate in force the calculation is refused. Every amount below is worked out by hand.
//
// Today's contract for work: no expenses, pension 7,5 % + 2,5 %, health 7,5 %; net share of the
// gross 1 - (0,075 + 0,025 + 0,9 x rate):
//   Zagreb 23 %, net 1000,00: share 0,693; gross 1000 / 0,693 = 1443,0014 -> 1443,00; pillar I
//     108,225 -> 108,23; pillar II 36,075 -> 36,08; income 1443,00 - 144,31 = 1298,69; tax x 0,23 =
//     298,6987 -> 298,70; gross re-formed 1000 + 108,23 + 36,08 + 298,70 = 1443,01; income
//     1443,01 - 144,31 = 1298,70; health 7,5 % of 1443,01 = 108,22575 -> 108,23.
//   Novalja 15 %, net 1000,00: share 0,765; gross 1307,1895 -> 1307,19; pillar I 98,03925 ->
//     98,04; pillar II 32,67975 -> 32,68; income 1176,47; tax 176,4705 -> 176,47; gross 1000 +
//     98,04 + 32,68 + 176,47 = 1307,19; health 98,03925 -> 98,04.
//   Novalja 15 %, gross 1500,00: net 0,765 x 1500 = 1147,50; gross 1147,50 / 0,765 = 1500,00;
//     pillars 112,50 and 37,50; income 1350,00; tax 202,50; health 112,50.
//   Rijeka 22 % (from 1.3.2025), net 1000,00: share 0,702; gross 1424,5014 -> 1424,50; pillar I
//     106,8375 -> 106,84; pillar II 35,6125 -> 35,61; income 1282,05; tax 282,051 -> 282,05;
//     gross 1000 + 106,84 + 35,61 + 282,05 = 1424,50; health 106,84.
//   Rijeka 20 % (from 1.1.2026), net 1000,00: share 0,72; gross 1388,8889 -> 1388,89; pillar I
//     104,16675 -> 104,17; pillar II 34,72225 -> 34,72; income 1250,00; tax 250,00; health 104,17.
// The contract of 2015 (pension 15 % + 5 %, health 15 %, tax 25 % with Zagreb's surtax of 18 %)
// gives the worked example of the engine: 1439,26 ... 36,27 surtax.

#include <gtest/gtest.h>

#include "payments/item_calculation.h"
#include "payments/lines.h"
#include "payments/payment_dates.h"
#include "records/layouts/mjesta.h"
#include "records/layouts/opcine.h"
#include "records/layouts/osobe.h"
#include "records/layouts/vrstedoh.h"
#include "registers/stope_import.h"
#include "support/office.h"
#include "support/test_data.h"

namespace pramo::test {
namespace {

using Lines12 = std::vector<std::string>;

const Lines12 zagreb23{"1443.01", "0.00", "0.00", "1443.01", "108.23", "36.08", "1298.70", "298.70", "0.00", "1000.00", "108.23", "0.00"};
const Lines12 novalja15{"1307.19", "0.00", "0.00", "1307.19", "98.04", "32.68", "1176.47", "176.47", "0.00", "1000.00", "98.04", "0.00"};
const Lines12 novaljaGross{"1500.00", "0.00", "0.00", "1500.00", "112.50", "37.50", "1350.00", "202.50", "0.00", "1147.50", "112.50", "0.00"};
const Lines12 rijeka22{"1424.50", "0.00", "0.00", "1424.50", "106.84", "35.61", "1282.05", "282.05", "0.00", "1000.00", "106.84", "0.00"};
const Lines12 rijeka20{"1388.89", "0.00", "0.00", "1388.89", "104.17", "34.72", "1250.00", "250.00", "0.00", "1000.00", "104.17", "0.00"};
const Lines12 example2015{"1439.26", "0.00", "431.78", "1007.48", "151.12", "50.37", "805.99", "201.50", "36.27", "1000.00", "151.12", "0.00"};

// Payees 1 Zagreb (pillar II), 4 Novalja, 5 Rijeka; payments 1 of 15.01.2026, 2 of 15.12.2025,
// 3 of 15.03.2015, 4 of 15.01.2024; type 2 of 2015 ("NE"), 6 of today ("DA"), 7 of 2015 rates
// but "DA"; the shipped municipal rates from 1.3.2025.
class MunicipalRate : public ::testing::Test {
protected:
    void SetUp() override {
        office.standardRegisters();
        office.add(Opcine{.oznaka = 3, .shifra = "2887", .naziv = "NOVALJA"});
        office.add(Opcine{.oznaka = 4, .shifra = "3735", .naziv = "RIJEKA", .stopaprireza = rate7("15")});
        office.add(Mjesta{.oznaka = 3, .naziv = "Novalja", .opcina = 3});
        office.add(Mjesta{.oznaka = 4, .naziv = "Rijeka", .opcina = 4});
        office.add(Osobe{.oznaka = 4, .ime = "Iva", .prezime = "Novak", .mjesto = 3, .drugistup = "DA"});
        office.add(Osobe{.oznaka = 5, .ime = "Marko", .prezime = "Babić", .mjesto = 4, .drugistup = "DA"});
        office.add(Vrstedoh{.oznaka = 6, .naziv = "Ugovor o djelu", .poreznastopa = rate("20"), .visestopa = "NE",
                            .mirovinskoistup = rate("7.5"), .mirovinskoiistup = rate("2.5"),
                            .zdravstvenoosiguranje = rate("7.5"), .porezopcine = "DA"});
        office.add(Vrstedoh{.oznaka = 7, .naziv = "Ugovor o djelu 2015", .poreznastopa = rate("25"), .visestopa = "NE",
                            .priznatitroskovi = rate("30"), .mirovinskoistup = rate("15"), .mirovinskoiistup = rate("5"),
                            .zdravstvenoosiguranje = rate("15"), .porezopcine = "DA"});
        const Date dates[] = {date(2026, 1, 15), date(2025, 12, 15), date(2015, 3, 15), date(2024, 1, 15)};
        for (std::int32_t p = 1; p <= 4; ++p) {
            const Date d = dates[p - 1];
            office.add(Isplate{.oznaka = p, .isplatitelj = 1, .rsid = rsIdOf(d), .datum = d, .godina = std::to_string(d.year())});
        }
        const refdata::FileText shipped = shippedMunicipalRates();
        ASSERT_TRUE(shipped.ok()) << shipped.problem;
        ASSERT_TRUE(importStope(office.store(), shipped.text, shippedRatesTable().from).written());
    }

    struct Case {
        const char* what;
        std::int32_t payment, payee;
        std::uint8_t type;
        const char* neto;
        const char* bruto;   // typed gross instead of the net
        Lines12 lines;       // empty: refused
        const char* said;    // the rate the form shows, or why it was refused
    };

    void expectCase(const Case& c) {
        SCOPED_TRACE(c.what);
        Dohoci doh{.oznaka = ++item, .isplata = c.payment, .djelatnik = c.payee, .vrstadohotka = c.type,
                   .neto = money(c.neto)};
        office.add(doh);
        ItemCalculation calc(office.store(), office.clock());
        Loc loc;
        loc.bruto = c.bruto ? money(c.bruto) : Money{};
        const CalcOutcome out = c.bruto ? calc.calculateFromGross(doh, loc) : calc.calculate(doh, loc);
        EXPECT_EQ(out.written(), !c.lines.empty()) << out.message;
        EXPECT_EQ(calc.ratesShown(doh).porez, c.said);
        std::vector<Obracun> stored;
        ASSERT_EQ(readLines(office.store(), doh.oznaka, stored), StoreCode::Ok);
        Lines12 got;
        for (const Obracun& l : stored) got.push_back(l.iznos.toString());
        EXPECT_EQ(got, c.lines);
    }

    TestData data;
    Office office{data.files};
    std::int32_t item = 0;
};

TEST_F(MunicipalRate, TaxRateByPaymentDate) {
    const char* zagreb = "23,00 % (stopa općine ZAGREB od 01.03.2025.)";
    const char* rijeka2025 = "22,00 % (stopa općine RIJEKA od 01.03.2025.)";
    const Case before[] = {
        {"2026, Zagreb at 23 %", 1, 1, 6, "1000.00", nullptr, zagreb23, zagreb},
        {"2026, Novalja at 15 %, net to gross", 1, 4, 6, "1000.00", nullptr, novalja15, "15,00 % (stopa općine NOVALJA od 01.03.2025.)"},
        {"2026, Novalja at 15 %, gross to net", 1, 4, 6, "0.00", "1500.00", novaljaGross, "15,00 % (stopa općine NOVALJA od 01.03.2025.)"},
        {"2025, Rijeka before the change of 2026", 2, 5, 6, "1000.00", nullptr, rijeka22, rijeka2025},
        {"2026, Rijeka before the change is loaded", 1, 5, 6, "1000.00", nullptr, rijeka22, rijeka2025},
        {"2026, a type taxed at its own rate", 1, 1, 2, "1000.00", nullptr, example2015, "25,00 %"},
        {"2015, a type taxed at the municipality's rate from 2024", 3, 1, 7, "1000.00", nullptr, example2015, "25,00 %"},
        {"2024, no rate in force yet", 4, 1, 6, "1000.00", nullptr, {},
         "Općina ZAGREB (1333) nema stope poreza na dohodak na dan 15.01.2024.; obračun nije napravljen."},
    };
    for (const Case& c : before) expectCase(c);

    const ImportOutcome change = importStope(office.store(), "03735\tRIJEKA\t20\t25\n02887\tNOVALJA\t15\t25\n", date(2026, 1, 1));
    ASSERT_TRUE(change.written());
    EXPECT_EQ(change.added, 2);
    const Case after[] = {
        {"2025, Rijeka after the change of 2026", 2, 5, 6, "1000.00", nullptr, rijeka22, rijeka2025},
        {"2026, Rijeka after the change is loaded", 1, 5, 6, "1000.00", nullptr, rijeka20, "20,00 % (stopa općine RIJEKA od 01.01.2026.)"},
        {"2026, Zagreb unchanged", 1, 1, 6, "1000.00", nullptr, zagreb23, zagreb},
    };
    for (const Case& c : after) expectCase(c);
}

// Neither a rate guessed: a payment without a date, a payee without a municipality, a type taxed by
// brackets. Nothing is written for any of them.
TEST_F(MunicipalRate, NoRateToTakeIsRefused) {
    office.add(Isplate{.oznaka = 5, .isplatitelj = 1, .rsid = "00000"});
    office.add(Osobe{.oznaka = 6, .ime = "Bez", .prezime = "Mjesta", .drugistup = "DA"});
    office.add(Vrstedoh{.oznaka = 8, .naziv = "Više stopa", .visestopa = "DA", .porezopcine = "DA"});
    const Case cases[] = {
        {"no payment date", 5, 1, 6, "1000.00", nullptr, {},
         "Isplata nema datuma, a o njemu ovisi stopa poreza; obračun nije napravljen."},
        {"no municipality", 1, 6, 6, "1000.00", nullptr, {},
         "Porez se od 2024. obračunava po stopi općine prebivališta, a primatelj je nema; obračun nije napravljen."},
        {"brackets", 1, 1, 8, "1000.00", nullptr, {},
         "Vrsta dohotka s više stopa ne može obračunati porez po stopi općine; obračun nije napravljen."},
    };
    for (const Case& c : cases) expectCase(c);
}

}  // namespace
}  // namespace pramo::test
