#include "crisistax/azuriranje_podataka.h"

#include "crisistax/vrste_primitka.h"
#include "crisis_office.h"

namespace pramo {
namespace {

using test::date;
using test::money;

struct Payment {
    std::int32_t payer;
    Date day;
    std::int32_t payee;
    const char* neto;
    const char* crisisByHand = nullptr;  // the item's crisis-tax line edited by hand afterwards
};

struct FillCase {
    const char* name;
    std::vector<Payment> payments;
    std::int16_t broj;
    const char* osnovica;
    const char* iznos;
};

class Azuriranje : public test::CrisisOffice {
protected:
    void payAll(const std::vector<Payment>& payments) {
        for (const Payment& p : payments) {
            const std::int32_t item = pay(p.payer, p.day, p.payee, p.neto);
            if (p.crisisByHand) {
                ASSERT_EQ(writeLine(office.store(), item, Pozicija::Kriznica, money(p.crisisByHand)), StoreCode::Ok);
            }
        }
    }
    static Detkriz drugiDohodak(std::int32_t kriznica, std::int16_t broj, const char* osnovica, const char* iznos) {
        return {.kriznica = kriznica, .vrsta = number(VrstaPrimitka::DrugiDohodak), .broj = broj,
                .osnovica = money(osnovica), .iznos = money(iznos)};
    }
};

bool sameLine(const Detkriz& a, const Detkriz& b) { return sameFields(Detkriz::table, &a, &b); }

// The return of payer 1 for March 2010. Crisis tax is 4 % of a net above 6.000,00, rounded:
// 6.000,01 -> 240,00; 7.000,25 -> 280,01; 8.000,00 -> 320,00; 9.000,00 -> 360,00; 10.000,50 -> 400,02.
TEST_F(Azuriranje, OtherIncomeLineFromTheMonthsPayments) {
    const std::vector<FillCase> cases{
        {"payments without crisis tax give a line of zeros",
         {{1, date(2010, 3, 5), 1, "1000.00"}, {1, date(2010, 3, 20), 2, "6000.00"}}, 0, "0", "0"},
        {"a net just above the threshold",
         {{1, date(2010, 3, 1), 1, "6000.01"}}, 1, "6000.01", "240.00"},
        {"a payee with two items is one recipient",
         {{1, date(2010, 3, 2), 1, "8000.00"}, {1, date(2010, 3, 31), 1, "7000.25"},
          {1, date(2010, 3, 15), 2, "10000.50"}, {1, date(2010, 3, 15), 3, "500.00"}},
         2, "25000.75", "1000.03"},
        {"another year, month or payer is not counted",
         {{1, date(2009, 3, 10), 1, "8000.00"}, {1, date(2010, 2, 28), 1, "8000.00"},
          {1, date(2010, 4, 1), 1, "8000.00"}, {2, date(2010, 3, 10), 2, "8000.00"},
          {1, date(2010, 3, 10), 3, "9000.00"}},
         1, "9000.00", "360.00"},
        {"zero and negative crisis-tax lines are not counted",
         {{1, date(2010, 3, 10), 1, "8000.00", "0.00"}, {1, date(2010, 3, 11), 2, "8000.00", "-5.00"},
          {1, date(2010, 3, 12), 3, "8000.00", "0.01"}},
         1, "8000.00", "0.01"},
    };
    std::int32_t kriznica = 0;
    for (const FillCase& c : cases) {
        SCOPED_TRACE(c.name);
        ++kriznica;
        for (const TableDef* t : {&Isplate::table, &Kriznica::table}) ASSERT_EQ(office.store().removeAll(*t), StoreCode::Ok);
        payAll(c.payments);
        addReturn(kriznica, 1, "2010", 3);
        const FillOutcome out = azuriranjePodataka(office.store(), kriznica);
        ASSERT_TRUE(out.written()) << out.message->text;
        const Detkriz expected = drugiDohodak(kriznica, c.broj, c.osnovica, c.iznos);
        EXPECT_TRUE(sameLine(out.line, expected)) << out.line.broj << " " << out.line.osnovica.toString() << " "
                                                  << out.line.iznos.toString();
        const std::vector<Detkriz> stored = linesOf(kriznica);
        ASSERT_EQ(stored.size(), 1u);
        EXPECT_TRUE(sameLine(stored[0], expected));
    }
}

// Pressed twice, the fill rewrites the one kind-3 line (also one entered by hand before) and
// leaves the lines of other kinds as they were.
TEST_F(Azuriranje, ReplacesTheOtherIncomeLineAndNothingElse) {
    pay(1, date(2010, 3, 10), 1, "8000.00");
    addReturn(1, 1, "2010", 3);
    const Detkriz placa{.kriznica = 1, .vrsta = number(VrstaPrimitka::Placa), .broj = 5,
                        .osnovica = money("100.00"), .iznos = money("10.00")};
    office.add(placa);
    office.add(drugiDohodak(1, 9, "1.00", "1.00"));
    for (int press = 1; press <= 2; ++press) {
        SCOPED_TRACE(press);
        ASSERT_TRUE(azuriranjePodataka(office.store(), 1).written());
        const std::vector<Detkriz> stored = linesOf(1);
        ASSERT_EQ(stored.size(), 2u);
        EXPECT_TRUE(sameLine(stored[0], placa));
        EXPECT_TRUE(sameLine(stored[1], drugiDohodak(1, 1, "8000.00", "320.00")));
    }
}

TEST_F(Azuriranje, AMissingReturnWritesNothing) {
    pay(1, date(2010, 3, 10), 1, "8000.00");
    const FillOutcome out = azuriranjePodataka(office.store(), 7);
    ASSERT_FALSE(out.written());
    EXPECT_EQ(out.message->text, "Obrazac broj 7 više ne postoji.");
    EXPECT_TRUE(linesOf(7).empty());
}

}  // namespace
}  // namespace pramo
