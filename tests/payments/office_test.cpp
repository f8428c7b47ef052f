#include <gtest/gtest.h>

#include "support/office.h"
#include "support/test_data.h"

namespace pramo {
namespace {

// The shared office builds items whose lines come from the engine: net 1000,00 of an author's fee
// (30 % expenses) at 18 % surtax in pillar II gives the gross worked out by hand in the engine's cases.
TEST(Office, ItemsAreCalculated) {
    test::TestData data;
    test::Office office(data.files);
    office.standardRegisters();
    office.add(Isplate{.oznaka = 1, .isplatitelj = 1, .rsid = "15074", .datum = test::date(2015, 3, 15), .godina = "2015"});
    office.item({.oznaka = 1, .rednibroj = 1, .isplata = 1, .djelatnik = 1, .vrstadohotka = 2, .neto = test::money("1000")}, 1);
    EXPECT_EQ(office.line(1, Pozicija::Bruto), test::money("1439.26"));
    EXPECT_EQ(office.line(1, Pozicija::Neto), test::money("1000"));
    EXPECT_EQ(office.line(1, Pozicija::PoslijeKriznice), test::money("1000"));
}

}  // namespace
}  // namespace pramo
