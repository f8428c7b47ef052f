// The orders of a payment: which orders, in which order, with which amounts, accounts, models,
// references and descriptions. Amounts are the engine's lines worked out by hand: an author's fee
// (30 % expenses, pillars 15 + 5, health 15, tax 25 %) of net 1000,00 gives in Zagreb (surtax
// 18 %, pillar II) pillar I 151,12, pillar II 50,37, tax 201,50, surtax 36,27, health 151,12; in
// Split (surtax 10 %, outside pillar II: gross 1000 / 0,706 = 1416,43, base 991,50) pillar I
// 148,73 and pillar II 49,58 merged into 198,31, tax 198,30, surtax 19,83, health 148,73.

#include "orders/order_rules.h"
#include "orders_fixture.h"
#include "records/layouts/osobe.h"
#include "records/layouts/stopeopcina.h"
#include "records/store/read_linked.h"

namespace pramo::test {
namespace {

struct Expected {
    OrderKind kind;
    const char* iznos;
    const char* primatelj;
    const char* adresap;
    const char* mjestop;
    const char* zirop;
    const char* modelp;
    const char* pozivp;
    const char* opis;
};

void expectOrders(const std::vector<PaymentOrder>& got, const std::vector<Expected>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        SCOPED_TRACE("order " + std::to_string(i + 1));
        const PaymentOrder& o = got[i];
        const Expected& w = want[i];
        EXPECT_EQ(o.kind, w.kind);
        EXPECT_EQ(o[Field::Iznos], w.iznos);
        EXPECT_EQ(o[Field::Primatelj], w.primatelj);
        EXPECT_EQ(o[Field::Adresap], w.adresap);
        EXPECT_EQ(o[Field::Mjestop], w.mjestop);
        EXPECT_EQ(o[Field::Zirop], w.zirop);
        EXPECT_EQ(o[Field::Modelp], w.modelp);
        EXPECT_EQ(o[Field::Pozivp], w.pozivp);
        EXPECT_EQ(o[Field::Opisplacanja], w.opis);
    }
}

using K = OrderKind;

TEST_F(OrdersTest, TwoPayeesInTwoMunicipalities) {
    payment(date(2015, 3, 15));
    item(1, 1, 2, "1000.00");
    item(2, 2, 2, "1000.00");
    const std::vector<PaymentOrder> hub3 = orders(OrderForm::Hub3);
    expectOrders(hub3, {
        {K::Payee, "**1.000,00", "Zagrebačka banka", "Ivan Horvat", "Zagreb, Ilica 10", "HR6023600001101234567", "", "",
         "Autorski honorar - Ivan Horvat"},
        {K::Tax, "****237,77", "Porez i prirez", "na dohodak", "ZAGREB", "HR1110010051713312009", "HR68",
         "1945-12345678903-15074", "Uplata poreza i prireza na dohodak - Ivan Horvat"},
        {K::Payee, "**1.000,00", "", "Ana Kovačević", "Split, Marmontova 3", "NEDOSTAJE RAČUN", "", "",
         "Autorski honorar - Ana Kovačević"},  // she has no account
        {K::Tax, "****218,13", "Porez i prirez", "na dohodak", "SPLIT", "HR2710010051740912004", "HR68",
         "1945-12345678903-15074", "Uplata poreza i prireza na dohodak - Ana Kovačević"},
        {K::PillarI, "****349,43", "DRŽAVNI PRORAČUN", "MO I.stup", "", "HR1210010051863000160", "HR68",
         "8176-12345678903-15074", "Mirovinsko osiguranje - I.stup"},
        {K::PillarII, "*****50,37", "DRŽAVNI PRORAČUN", "MO II.stup", "", "HR7610010051700036001", "HR68",
         "2291-12345678903-15074", "Mirovinsko osiguranje - II.stup"},
        {K::Health, "****299,85", "DRŽAVNI PRORAČUN", "Doprinos za zdravstveno", "osiguranje", "HR6510010051550100001",
         "HR68", "8540-12345678903-15074", "Zdravstveno osiguranje"},
    });
    for (const PaymentOrder& o : hub3) {
        EXPECT_EQ(o[Field::Uplatitelj], "Pramo d.o.o.");
        EXPECT_EQ(o[Field::Adresau], "Ilica 1");
        EXPECT_EQ(o[Field::Mjestou], "Zagreb");
        EXPECT_EQ(o[Field::Zirou], "HR5423600003200000007");
        EXPECT_EQ(o[Field::Modelu], "HR99");
        EXPECT_EQ(o[Field::Pozivu], "");
        EXPECT_EQ(o[Field::Nazivodrezak], "Pramo d.o.o., Zagreb, Ilica 1");
    }
}

TEST_F(OrdersTest, NoPillarIIOrderWhenNoneIsDue) {
    payment(date(2015, 3, 15));
    item(1, 2, 2, "1000.00");
    const std::vector<PaymentOrder> got = orders(OrderForm::Hub3);
    ASSERT_EQ(got.size(), 4u);
    EXPECT_EQ(got[2].kind, K::PillarI);
    EXPECT_EQ(got[2][Field::Iznos], "****198,31");
    EXPECT_EQ(got[3].kind, K::Health);
}

// Surtax without tax prints no tax order; a crisis tax comes off the payee's amount.
TEST_F(OrdersTest, HandEditedLines) {
    payment(date(2015, 3, 15));
    item(1, 1, 2, "1000.00");
    setLine(1, Pozicija::Porez, "0.00");
    setLine(1, Pozicija::Kriznica, "40.00");
    const std::vector<PaymentOrder> got = orders(OrderForm::Hub3);
    ASSERT_EQ(got.size(), 4u);
    EXPECT_EQ(got[0][Field::Iznos], "****960,00");
    EXPECT_EQ(got[1].kind, K::PillarI);
}

TEST_F(OrdersTest, NothingWithoutItems) {
    payment(date(2015, 3, 15));
    EXPECT_TRUE(orders(OrderForm::Hub3a).empty());
}

// Which rule the income's category picks: the tax reference, and on HUB-3A the payer's model and
// reference of the payee's order (the tax order of the same item goes back to HR99).
TEST_F(OrdersTest, ReferencesByCategory) {
    struct Case {
        std::uint8_t type;
        OrderForm form;
        const char* modelu;
        const char* pozivu;
        const char* taxReference;
    } cases[] = {
        {2, OrderForm::Hub3a, "HR67", "12345678903-15074-8", "1945-12345678903-15074"},   // "02"
        {4, OrderForm::Hub3a, "HR67", "12345678903-15074-12", "1910-12345678903-15074"},  // "11"
        {5, OrderForm::Hub3a, "HR67", "12345678903-15074-15", "1945-12345678903-15074"},  // "01"
        {4, OrderForm::Hub3, "HR99", "", "1910-12345678903-15074"},
    };
    payment(date(2015, 3, 15));
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.type));
        ASSERT_EQ(office.store().removeAll(Dohoci::table), StoreCode::Ok);
        item(1, 1, c.type, "1000.00");
        const std::vector<PaymentOrder> got = orders(c.form);
        ASSERT_GE(got.size(), 2u);
        EXPECT_EQ(got[0][Field::Modelu], c.modelu);
        EXPECT_EQ(got[0][Field::Pozivu], c.pozivu);
        EXPECT_EQ(got[1][Field::Pozivp], c.taxReference);
        EXPECT_EQ(got[1][Field::Modelu], "HR99");
        EXPECT_EQ(got[1][Field::Pozivu], "");
    }
}

// The payee's model: HUB-3 prints nothing for a payee without one, HUB-3A prints "HR" alone.
TEST_F(OrdersTest, PayeeModel) {
    payment(date(2015, 3, 15));
    item(1, 1, 2, "1000.00");
    EXPECT_EQ(orders(OrderForm::Hub3)[0][Field::Modelp], "");
    EXPECT_EQ(orders(OrderForm::Hub3a)[0][Field::Modelp], "HR");
    Osobe oso;
    ASSERT_EQ(readLinked(office.store(), 1, oso), StoreCode::Ok);
    oso.model = "01";
    oso.racunpoziv = "2015-77";
    ASSERT_EQ(office.store().put(oso), StoreCode::Ok);
    for (OrderForm form : {OrderForm::Hub3, OrderForm::Hub3a}) {
        const PaymentOrder payee = orders(form)[0];
        EXPECT_EQ(payee[Field::Modelp], "HR01");
        EXPECT_EQ(payee[Field::Pozivp], "2015-77");
    }
}

// Health contributions go to the health insurance fund for payments from 1 January 2015 (HUB-3A
// always); HUB-3 orders of earlier payments keep the state budget.
TEST_F(OrdersTest, HealthAccountByDate) {
    struct Case {
        Date datum;
        OrderForm form;
        const char* iban;
    } cases[] = {
        {date(2014, 12, 31), OrderForm::Hub3, "HR1210010051863000160"},
        {date(2015, 1, 1), OrderForm::Hub3, "HR6510010051550100001"},
        {date(2014, 12, 31), OrderForm::Hub3a, "HR6510010051550100001"},
        {Date{}, OrderForm::Hub3, "HR6510010051550100001"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(orderRule(OrderKind::Health, c.form, {}, c.datum).iban, c.iban) << c.datum.toString();
    }
}

// From 2024 there is no surtax: a tax order pays the income tax alone and says so; earlier
// payments keep the tax-and-surtax texts. The reference follows the category either way.
TEST_F(OrdersTest, TaxOrderTextsByDate) {
    struct Case {
        Date datum;
        const char* category;
        const char* line1;
        const char* reference;
        const char* description;
    } cases[] = {
        {date(2023, 12, 31), "02", "Porez i prirez", "1945-", "Uplata poreza i prireza na dohodak - "},
        {date(2024, 1, 1), "02", "Porez", "1945-", "Uplata poreza na dohodak - "},
        {date(2024, 1, 1), "11", "Porez", "1910-", "Uplata poreza na dohodak - "},
        {date(2014, 3, 1), "11", "Porez i prirez", "1910-", "Uplata poreza i prireza na dohodak - "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.datum.toString());
        const OrderRule& rule = orderRule(OrderKind::Tax, OrderForm::Hub3a, c.category, c.datum);
        EXPECT_EQ(rule.lines[0], c.line1);
        EXPECT_EQ(rule.lines[1], "na dohodak");
        EXPECT_EQ(rule.reference, c.reference);
        EXPECT_EQ(rule.description, c.description);
    }
}

// A contract for work of 2026 at Zagreb's lower rate of 23 % (contributions 7,5 + 2,5, health
// 7,5; net 1000,00): gross 1000 / 0,693 = 1443,00, pillar I 108,225 -> 108,23, pillar II 36,075 ->
// 36,08, income 1298,69, tax 298,6987 -> 298,70, no surtax; health on the re-formed gross 1443,01:
// 108,22575 -> 108,23.
TEST_F(OrdersTest, PaymentOf2026PaysTheTaxAlone) {
    Vrstedoh vrs{.oznaka = 6, .naziv = "Ugovor o djelu", .poreznastopa = rate("20"), .visestopa = "NE",
                 .mirovinskoistup = rate("7.5"), .mirovinskoiistup = rate("2.5"), .zdravstvenoosiguranje = rate("7.5"),
                 .rezstringa = "02", .rezstringb = "4030", .porezopcine = "DA"};
    office.add(vrs);
    office.add(Stopeopcina{.oznaka = 1, .opcina = "1333", .vrijediod = date(2025, 3, 1), .nizastopa = rate("23"),
                           .visastopa = rate("33")});
    office.add(Isplate{.oznaka = 1, .isplatitelj = 1, .rsid = "26015", .datum = date(2026, 1, 15), .godina = "2026"});
    item(1, 1, 6, "1000.00");
    expectOrders(orders(OrderForm::Hub3),
                 {{K::Payee, "**1.000,00", "Zagrebačka banka", "Ivan Horvat", "Zagreb, Ilica 10", "HR6023600001101234567",
                   "", "", "Ugovor o djelu - Ivan Horvat"},
                  {K::Tax, "****298,70", "Porez", "na dohodak", "ZAGREB", "HR1110010051713312009", "HR68",
                   "1945-12345678903-26015", "Uplata poreza na dohodak - Ivan Horvat"},
                  {K::PillarI, "****108,23", "DRŽAVNI PRORAČUN", "MO I.stup", "", "HR1210010051863000160", "HR68",
                   "8176-12345678903-26015", "Mirovinsko osiguranje - I.stup"},
                  {K::PillarII, "*****36,08", "DRŽAVNI PRORAČUN", "MO II.stup", "", "HR7610010051700036001", "HR68",
                   "2291-12345678903-26015", "Mirovinsko osiguranje - II.stup"},
                  {K::Health, "****108,23", "DRŽAVNI PRORAČUN", "Doprinos za zdravstveno", "osiguranje",
                   "HR6510010051550100001", "HR68", "8540-12345678903-26015", "Zdravstveno osiguranje"}});
}

// Every kind of order finds a rule of its own kind, on either form, for any date and category.
TEST(OrderRules, EveryKindAndFormHasARule) {
    for (const OrderKind kind : {OrderKind::Payee, OrderKind::Tax, OrderKind::PillarI, OrderKind::PillarII, OrderKind::Health})
        for (const OrderForm form : {OrderForm::Hub3, OrderForm::Hub3a})
            for (const Date datum : {Date{}, date(2001, 1, 1)})
                EXPECT_EQ(orderRule(kind, form, "99", datum).kind, kind) << static_cast<int>(kind);
}

}  // namespace
}  // namespace pramo::test
