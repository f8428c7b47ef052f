// The one reader of an item's chain: only what is wanted is read; a number whose record is not in
// its register is found absent (never a failure); a failed read names its file.

#include <gtest/gtest.h>

#include "payments/item_context.h"
#include "records/layouts/mjesta.h"
#include "records/layouts/subjekti.h"
#include "support/office.h"
#include "support/raw_db.h"
#include "support/test_data.h"

namespace pramo {
namespace {

// What a context holds: each record's number, or "-" when it is absent.
template <class R>
std::string number(const std::optional<R>& rec) {
    return rec ? std::to_string(rec->oznaka) : "-";
}

std::string found(const ItemContext& c) {
    return "oso " + number(c.oso) + " mje " + number(c.mje) + " opc " + number(c.opc) + " uli " + number(c.uli) + " ban " +
           number(c.ban) + " vrs " + number(c.vrs) + " lines " + std::to_string(c.lines.size()) + " method " +
           std::to_string(c.method);
}

class ItemChain : public testing::Test {
protected:
    void SetUp() override {
        office.standardRegisters();
        office.add(Isplate{.oznaka = 1, .isplatitelj = 1, .rsid = "15074", .datum = test::date(2015, 3, 15), .godina = "2015"});
        office.add(Mjesta{.oznaka = 3, .naziv = "Nigdje", .opcina = 99});                      // a municipality not in its register
        office.add(Osobe{.oznaka = 4, .ime = "Iva", .prezime = "Bez", .mjesto = 3, .ulica = 9, .banka = 9});
        office.item({.oznaka = 1, .rednibroj = 1, .isplata = 1, .djelatnik = 1, .vrstadohotka = 2, .neto = test::money("100")}, 4);
        office.item({.oznaka = 2, .rednibroj = 2, .isplata = 1, .djelatnik = 2, .vrstadohotka = 1, .neto = test::money("100")});
        office.add(Dohoci{.oznaka = 3, .rednibroj = 3, .isplata = 1, .djelatnik = 99, .vrstadohotka = 1});
        office.add(Dohoci{.oznaka = 4, .rednibroj = 4, .isplata = 1, .djelatnik = 4, .vrstadohotka = 77});
        office.add(Dohoci{.oznaka = 5, .rednibroj = 1, .isplata = 2, .djelatnik = 1, .vrstadohotka = 1});
    }
    std::vector<std::string> payment(std::int32_t isplata, Wants wants) {
        std::vector<std::string> out;
        ItemReader reader(data.store, wants);
        EXPECT_EQ(reader.forPayment(isplata, [&](const ItemContext& c) {
                      out.push_back(std::to_string(c.doh.oznaka) + ": " + found(c));
                      return StoreCode::Ok;
                  }),
                  StoreCode::Ok);
        EXPECT_EQ(reader.failed(), nullptr);
        return out;
    }

    test::TestData data;
    test::Office office{data.files};
};

TEST_F(ItemChain, WhatIsWantedAndWhatIsFound) {
    const Wants all{.place = true, .street = true, .bank = true, .type = true, .lines = true, .method = true};
    const struct { const char* what; Wants wants; std::vector<std::string> items; } cases[] = {
        {"everything", all,
         {"1: oso 1 mje 1 opc 1 uli 1 ban 1 vrs 2 lines 14 method 4",
          "2: oso 2 mje 2 opc 2 uli 2 ban - vrs 1 lines 14 method 2",  // no bank; no method chosen
          "3: oso - mje - opc - uli - ban - vrs 1 lines 0 method 2",   // the payee is not in its register
          "4: oso 4 mje 3 opc - uli - ban - vrs - lines 0 method 2"}},  // nor the type, street, bank, municipality
        {"the payee alone", {.payee = true},
         {"1: oso 1 mje - opc - uli - ban - vrs - lines 0 method 0", "2: oso 2 mje - opc - uli - ban - vrs - lines 0 method 0",
          "3: oso - mje - opc - uli - ban - vrs - lines 0 method 0", "4: oso 4 mje - opc - uli - ban - vrs - lines 0 method 0"}},
        {"types and lines", {.type = true, .lines = true},
         {"1: oso - mje - opc - uli - ban - vrs 2 lines 14 method 0", "2: oso - mje - opc - uli - ban - vrs 1 lines 14 method 0",
          "3: oso - mje - opc - uli - ban - vrs 1 lines 0 method 0", "4: oso - mje - opc - uli - ban - vrs - lines 0 method 0"}},
    };
    for (const auto& c : cases) EXPECT_EQ(payment(1, c.wants), c.items) << c.what;
    EXPECT_EQ(payment(3, all), std::vector<std::string>{}) << "a payment without items";
}

// A walk stops at the first code the caller answers other than Ok and answers it.
TEST_F(ItemChain, TheCallerStopsTheWalk) {
    std::vector<std::int32_t> seen;
    ItemReader reader(data.store, {.payee = true});
    EXPECT_EQ(reader.forPayment(1, [&](const ItemContext& c) {
                  seen.push_back(c.doh.oznaka);
                  return c.oso ? StoreCode::Ok : StoreCode::NotFound;
              }),
              StoreCode::NotFound);
    EXPECT_EQ(seen, (std::vector<std::int32_t>{1, 2, 3}));
}

// A read that fails (the file was dropped behind the store's back) names the file; a file the
// wants do not reach is not read at all.
TEST_F(ItemChain, AFailedReadNamesItsFile) {
    ASSERT_EQ(test::RawDb(data.dir.file("pramo.db")).exec("DROP TABLE ULICE"), 0);
    ItemContext c;
    ItemReader place(data.store, {.place = true, .type = true});
    EXPECT_EQ(place.read(Dohoci{.oznaka = 1, .isplata = 1, .djelatnik = 1, .vrstadohotka = 2}, c), StoreCode::Ok);
    ItemReader street(data.store, {.street = true});
    EXPECT_NE(street.read(Dohoci{.oznaka = 1, .isplata = 1, .djelatnik = 1}, c), StoreCode::Ok);
    ASSERT_NE(street.failed(), nullptr);
    EXPECT_EQ(street.failed()->name, "ULICE");
    PayerContext p;
    const TableDef* failed = nullptr;
    EXPECT_NE(readPayer(data.store, 1, {.street = true}, p, failed), StoreCode::Ok);
    ASSERT_NE(failed, nullptr);
    EXPECT_EQ(failed->name, "ULICE");
}

}  // namespace
}  // namespace pramo
