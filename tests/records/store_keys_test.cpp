// Keys: uniqueness, blank keys, case and Croatian order, descending parts, insertion order.

#include "records/layouts/isplate.h"
#include "records/layouts/jopo.h"
#include "records/layouts/kriznica.h"
#include "records/layouts/detkriz.h"
#include "records/layouts/osobe.h"
#include "records/layouts/ulice.h"
#include "store_fixture.h"

namespace pramo {
namespace {

using test::StoreTest;

Osobe payee(const char* prezime, const char* ime = "", const char* oib = "") {
    Osobe o;
    o.prezime = prezime;
    o.ime = ime;
    o.oib = oib;
    return o;
}

std::string surnames(const std::vector<Osobe>& v) {
    std::string s;
    for (const auto& o : v) s += o.prezime.str() + (o.ime.blank() ? "" : "/" + o.ime.str()) + " ";
    return s;
}

TEST_P(StoreTest, BlankOibsAreLeftOutOfTheUniqueKey) {
    Osobe a = payee("A"), b = payee("B");
    EXPECT_EQ(store.add(a), StoreCode::Ok);
    EXPECT_EQ(store.add(b), StoreCode::Ok);
    Osobe c = payee("C", "", "12345678903"), d = payee("D", "", "12345678903");
    EXPECT_EQ(store.add(c), StoreCode::Ok);
    EXPECT_EQ(store.add(d), StoreCode::DuplicateKey);
    EXPECT_TRUE(store.collides(Osobe::keyOib, d));
    EXPECT_FALSE(store.collides(Osobe::keyOznaka, d));  // all numbers are 0: not in that key either
    EXPECT_FALSE(store.collides(Osobe::keyOib, a));
    std::int64_t n = 0;
    ASSERT_EQ(store.count(Osobe::table, n), StoreCode::Ok);
    EXPECT_EQ(n, 3);  // nothing was written by the refused add
    EXPECT_EQ(surnames(walk<Osobe>(Osobe::keyOib)), "C ");  // blank OIBs are not found by walking
}

TEST_P(StoreTest, CaseIsIgnoredInUniqueAndOrderedKeys) {
    Ulice u1, u2;
    u1.oznaka = 1;
    u1.naziv = "ana";
    u2.oznaka = 2;
    u2.naziv = "ANA ";
    EXPECT_EQ(store.add(u1), StoreCode::Ok);
    EXPECT_EQ(store.add(u2), StoreCode::DuplicateKey);
    EXPECT_TRUE(store.collides(Ulice::keyNaziv, u2));
    EXPECT_FALSE(store.collides(Ulice::keyOznaka, u2));

    for (auto* name : {"ana", "Berta", "ANA", "ana"}) {
        Osobe o = payee(name);
        ASSERT_EQ(store.add(o), StoreCode::Ok);
    }
    EXPECT_EQ(surnames(walk<Osobe>(Osobe::keyPrezimeIme)), "ana ANA ana Berta ");  // equal keys: insertion order
}

TEST_P(StoreTest, CroatianAlphabeticalOrder) {
    for (auto* name : {"Žic", "zec", "Đurić", "dado", "Ćuk", "Čop", "cap", "Šimić", "sava", "tona", "eva", "Ema"}) {
        Osobe o = payee(name);
        ASSERT_EQ(store.add(o), StoreCode::Ok);
    }
    EXPECT_EQ(surnames(walk<Osobe>(Osobe::keyPrezimeIme)),
              "cap Čop Ćuk dado Đurić Ema eva sava Šimić tona zec Žic ");
}

// Names that differ only in a marked letter at one position: the marked letter comes after its
// base letter, and č before ć (each added in the reverse order, so that equal keys would show).
TEST_P(StoreTest, MarkedLettersDecideAtTheirPosition) {
    for (auto* name : {"Šarić", "Sarić", "Kovaćić", "Kovačić", "Kovacić", "Đukić", "Dukić"}) {
        Osobe o = payee(name);
        ASSERT_EQ(store.add(o), StoreCode::Ok);
    }
    EXPECT_EQ(surnames(walk<Osobe>(Osobe::keyPrezimeIme)), "Dukić Đukić Kovacić Kovačić Kovaćić Sarić Šarić ");
}

TEST_P(StoreTest, LaterKeyPartsOrderWithinTheFirst) {
    for (auto [p, i] : {std::pair{"Horvat", "Marko"}, {"Horvat", "ana"}, {"Hor", "Zvonko"}, {"Horvat", ""}}) {
        Osobe o = payee(p, i);
        ASSERT_EQ(store.add(o), StoreCode::Ok);
    }
    EXPECT_EQ(surnames(walk<Osobe>(Osobe::keyPrezimeIme)), "Hor/Zvonko Horvat Horvat/ana Horvat/Marko ");
}

Isplate payment(std::int32_t payer, const char* year, const char* rsid) {
    Isplate i;
    i.isplatitelj = payer;
    i.godina = year;
    i.rsid = rsid;
    return i;
}

TEST_P(StoreTest, PaymentsOfAPayerComeNewestYearAndReportFirst) {
    int n = 0;
    for (auto [payer, year, rsid] : {std::tuple{2, "2014", "14032"}, {1, "2014", "14032"}, {1, "2015", "15001"},
                                     {1, "2014", "14365"}, {1, "2015", "15200"}, {2, "2015", "15010"}}) {
        Isplate i = payment(payer, year, rsid);
        i.oznaka = ++n;
        ASSERT_EQ(store.add(i), StoreCode::Ok);
    }
    std::string order;
    for (const auto& i : walk<Isplate>(Isplate::keyRsidIsplatitelj))
        order += std::to_string(i.isplatitelj) + ":" + i.rsid.str() + " ";
    EXPECT_EQ(order, "1:15200 1:15001 1:14365 1:14032 2:15010 2:14032 ");

    Isplate again = payment(1, "2015", "15001");
    again.oznaka = 99;
    EXPECT_EQ(store.add(again), StoreCode::DuplicateKey);
    EXPECT_TRUE(store.collides(Isplate::keyRsidIsplatitelj, again));
    Isplate otherYear = payment(1, "2016", "15001");
    otherYear.oznaka = 100;
    EXPECT_EQ(store.add(otherYear), StoreCode::Ok);
}

TEST_P(StoreTest, SetFromPositionsWithinADescendingKey) {
    int n = 0;
    for (auto year : {"2013", "2014", "2015"}) {
        Isplate i = payment(7, year, "00001");
        i.oznaka = ++n;
        ASSERT_EQ(store.add(i), StoreCode::Ok);
    }
    Isplate probe = payment(7, "2014", "");
    store.setFrom(Isplate::keyRsidIsplatitelj, probe);
    Isplate got;
    ASSERT_EQ(store.next(got), StoreCode::Ok);
    EXPECT_EQ(got.godina.str(), "2013");  // 2014 with a blank designation sorts after 2014/00001
}

TEST_P(StoreTest, UniqueKeysOfReturnsSubmissionsAndLines) {
    Kriznica k1, k2;
    k1.oznaka = 1;
    k2.oznaka = 2;
    k1.isplatitelj = k2.isplatitelj = 3;
    k1.godina = k2.godina = "2010";
    k1.mjesec = k2.mjesec = 5;
    EXPECT_EQ(store.add(k1), StoreCode::Ok);
    EXPECT_EQ(store.add(k2), StoreCode::DuplicateKey);
    EXPECT_TRUE(store.collides(Kriznica::keyGlavni, k2));

    Detkriz d1, d2;
    d1.kriznica = d2.kriznica = 1;
    d1.vrsta = d2.vrsta = 3;
    EXPECT_EQ(store.add(d1), StoreCode::Ok);
    EXPECT_EQ(store.add(d2), StoreCode::DuplicateKey);

    Jopo j1, j2, j3;
    j1.oznaka = 1, j2.oznaka = 2, j3.oznaka = 3;
    j1.isplata = j2.isplata = 10;
    j1.rbr = j2.rbr = 1;
    j1.ujed = "a";
    j2.ujed = "b";
    j3.isplata = 11;
    j3.rbr = 1;
    j3.ujed = "A";
    EXPECT_EQ(store.add(j1), StoreCode::Ok);
    EXPECT_EQ(store.add(j2), StoreCode::DuplicateKey);
    EXPECT_TRUE(store.collides(Jopo::keyJedinstvo, j2));
    EXPECT_EQ(store.add(j3), StoreCode::DuplicateKey);
    EXPECT_TRUE(store.collides(Jopo::keyUjed, j3));
    EXPECT_FALSE(store.collides(Jopo::keyJedinstvo, j3));
}

}  // namespace
}  // namespace pramo
