// The one reader of an item's chain: only what is wanted is read; a number whose record is not in
// its register is found absent (never a failure); a failed read names its file; a walk reads one
// state of the books and each register record once; an item's lines come whole.

#include <gtest/gtest.h>

#include "payments/item_context.h"
#include "payments/lines.h"
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

// A walk reads the books as they were when it began, though another program changes them on the
// way (one read transaction), and reads a register's record once however many items name it.
TEST_F(ItemChain, AWalkReadsOneStateAndEachRecordOnce) {
    for (std::int32_t n : {6, 7, 8})
        office.add(Dohoci{.oznaka = n, .rednibroj = static_cast<std::uint16_t>(n), .isplata = 4, .djelatnik = n == 8 ? 2 : 1,
                          .vrstadohotka = 2});
    std::vector<Money> net;
    ItemReader lines(data.store, {.lines = true});
    ASSERT_EQ(lines.forPayment(1, [&](const ItemContext& c) {
                  const char* change = "UPDATE OBRACUN SET IZNOS = 99900, _ver = _ver + 1 WHERE DOHODAK = 2 AND POZICIJA = 10";
                  if (c.doh.oznaka == 1) {
                      EXPECT_EQ(test::RawDb(data.dir.file("pramo.db")).exec(change), 0);
                  }
                  for (const Obracun& obr : c.lines)
                      if (obr.pozicija == number(Pozicija::Neto)) net.push_back(obr.iznos);
                  return StoreCode::Ok;
              }),
              StoreCode::Ok);
    EXPECT_EQ(net, (std::vector<Money>{test::money("100"), test::money("100")})) << "item 2 as the walk began";
    EXPECT_EQ(office.line(2, Pozicija::Neto), test::money("999")) << "and as it is now";

    const auto getsOfWalk = [&](ItemReader& reader) {
        const std::uint64_t before = data.store.getCount();
        EXPECT_EQ(reader.forPayment(4, [](const ItemContext&) { return StoreCode::Ok; }), StoreCode::Ok);
        return data.store.getCount() - before;
    };
    ItemReader places(data.store, {.place = true, .type = true});
    EXPECT_EQ(getsOfWalk(places), 7u) << "payees 1 and 2, their places and municipalities, income type 2";
    EXPECT_EQ(getsOfWalk(places), 0u) << "the same reader reads none of them again";
    ItemReader another(data.store, {.place = true, .type = true});
    EXPECT_EQ(getsOfWalk(another), 7u) << "nothing is kept beyond the reader";
}

// An item's lines come whole and in the order they were added, none of the next item's among them,
// also when a line was added after the next item's lines.
TEST_F(ItemChain, AnItemsLinesWholeAndInOrder) {
    ASSERT_EQ(writeLine(data.store, 1, std::uint16_t{20}, test::money("5")), StoreCode::Ok);
    const auto positions = [&](std::int32_t item) {
        std::vector<Obracun> lines;
        EXPECT_EQ(readLines(data.store, item, lines), StoreCode::Ok);
        std::string out;
        for (const Obracun& obr : lines) out += (obr.dohodak == item ? " " : " item " + std::to_string(obr.dohodak) + ":") +
                                                std::to_string(obr.pozicija);
        return out;
    };
    EXPECT_EQ(positions(1), " 1 2 3 4 5 6 7 8 9 10 11 12 13 14 20");
    EXPECT_EQ(positions(2), " 1 2 3 4 5 6 7 8 9 10 11 12 13 14");
    EXPECT_EQ(positions(3), "");
}

}  // namespace
}  // namespace pramo
