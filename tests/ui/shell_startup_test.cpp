#include <filesystem>
#include <fstream>

#include "records/layouts/all_tables.h"
#include "records/layouts/dohoci.h"
#include "records/layouts/id1.h"
#include "records/layouts/pozicije.h"
#include "records/layouts/vrstedoh.h"
#include "shell/desktop/puniglobale.h"
#include "support/earlier_books.h"
#include "support/raw_db.h"
#include "ui/shell_fixture.h"

namespace pramo {
namespace {

using StartUp = test::ShellFixture;

std::vector<std::pair<int, std::string>> positions(Store& store) {
    std::vector<std::pair<int, std::string>> out;
    Pozicije poz;
    store.set(Pozicije::keyOznaka);
    while (ok(store.next(poz))) out.emplace_back(poz.oznaka, poz.naziv.str());
    return out;
}

TEST_F(StartUp, AddsTheCrisisTaxPositionsOnceAfterTwelve) {
    ASSERT_TRUE(start());
    auto first = positions(store());
    ASSERT_EQ(first.size(), 14u);
    EXPECT_EQ(first[11], std::make_pair(12, std::string("Osobni odbitak")));
    EXPECT_EQ(first[12], std::make_pair(13, std::string("Kriznica")));
    EXPECT_EQ(first[13], std::make_pair(14, std::string("Poslije Kriznice")));
    ASSERT_TRUE(start());
    EXPECT_EQ(positions(store()), first);
    EXPECT_TRUE(messages.shown.empty());
}

// The new positions take their other fields from position 12; a highest position other than 12
// adds nothing.
TEST_F(StartUp, UpgradeDependsOnTheHighestPositionOnly) {
    ASSERT_TRUE(start());
    Pozicije poz;
    poz.oznaka = 13;
    ASSERT_EQ(store().get(Pozicije::keyOznaka, poz), StoreCode::Ok);
    ASSERT_EQ(store().erase(poz), StoreCode::Ok);
    poz.oznaka = 14;
    ASSERT_EQ(store().get(Pozicije::keyOznaka, poz), StoreCode::Ok);
    ASSERT_EQ(store().erase(poz), StoreCode::Ok);
    poz.oznaka = 12;
    ASSERT_EQ(store().get(Pozicije::keyOznaka, poz), StoreCode::Ok);
    poz.uplatnirn = "7xy";
    ASSERT_EQ(store().put(poz), StoreCode::Ok);

    ASSERT_TRUE(start());
    poz.oznaka = 14;
    ASSERT_EQ(store().get(Pozicije::keyOznaka, poz), StoreCode::Ok);
    EXPECT_EQ(poz.uplatnirn.str(), "7xy");

    ASSERT_EQ(store().erase(poz), StoreCode::Ok);  // highest is now 13
    ASSERT_TRUE(start());
    EXPECT_EQ(positions(store()).size(), 13u);
}

Id1 contact(std::int32_t oznaka, const char* ime, const char* prezime, std::uint16_t poz1, const char* tel1,
            std::uint16_t poz2, const char* tel2, const char* email) {
    Id1 id1;
    id1.oznaka = oznaka;
    id1.konime = ime;
    id1.konprezime = prezime;
    id1.konpoz1 = poz1;
    id1.kontel1 = tel1;
    id1.konpoz2 = poz2;
    id1.kontel2 = tel2;
    id1.konemail = email;
    return id1;
}

TEST_F(StartUp, EmptyFilesGiveTheDefaultGlobals) {
    ASSERT_TRUE(start());
    const Globals& glo = ctx().glo;
    EXPECT_EQ(glo.vrstadoh, 21);
    EXPECT_EQ(glo.datumizvj, *Date::fromYmd(2015, 3, 14));
    EXPECT_TRUE(glo.konime.blank());
    EXPECT_TRUE(glo.konprezime.blank());
    EXPECT_EQ(glo.konpoz1, 0);
    EXPECT_TRUE(glo.kontel1.blank());
    EXPECT_EQ(glo.konpoz2, 0);
    EXPECT_TRUE(glo.kontel2.blank());
    EXPECT_TRUE(glo.konemail.blank());
    EXPECT_EQ(ctx().dataDir, dir.path().string());
}

// The income type comes from the item with the highest number; the contact person from the ID-1
// form added last, whatever its number.
TEST_F(StartUp, GlobalsComeFromTheLastItemAndTheLastFormAdded) {
    ASSERT_TRUE(start());
    for (auto [oznaka, vrsta] : {std::pair{7, 40}, {3, 55}}) {
        Dohoci doh;
        doh.oznaka = oznaka;
        doh.vrstadohotka = static_cast<std::uint8_t>(vrsta);
        ASSERT_EQ(store().add(doh), StoreCode::Ok);
    }
    Id1 higher = contact(9, "Ana", "Horvat", 1, "111", 21, "222", "ana@x.hr");
    Id1 last = contact(2, "Ivo", "Šimić", 51, "333444", 0, "", "ivo@y.hr");
    ASSERT_EQ(store().add(higher), StoreCode::Ok);
    ASSERT_EQ(store().add(last), StoreCode::Ok);

    clock.set(*Date::fromYmd(2016, 1, 2));
    ASSERT_TRUE(start());
    const Globals& glo = ctx().glo;
    EXPECT_EQ(glo.vrstadoh, 40);
    EXPECT_EQ(glo.datumizvj, *Date::fromYmd(2016, 1, 2));
    EXPECT_EQ(glo.konime.str(), "Ivo");
    EXPECT_EQ(glo.konprezime.str(), "Šimić");
    EXPECT_EQ(glo.konpoz1, 51);
    EXPECT_EQ(glo.kontel1.str(), "333444");
    EXPECT_EQ(glo.konpoz2, 0);
    EXPECT_TRUE(glo.kontel2.blank());
    EXPECT_EQ(glo.konemail.str(), "ivo@y.hr");
}

// PUNIGLOBALE uses DOHOCI and ID1 only while it runs; POZICIJE stays open for the whole run.
TEST_F(StartUp, OnlyThePositionsStayOpen) {
    ASSERT_TRUE(start());
    EXPECT_EQ(ctx().files.openCount(Dohoci::table), 0);
    EXPECT_EQ(ctx().files.openCount(Id1::table), 0);
    EXPECT_EQ(ctx().files.openCount(Pozicije::table), 1);
    session.reset();
}

// A data directory whose database cannot be used ends the program after saying why.
TEST_F(StartUp, UnusableDatabaseEndsTheProgram) {
    struct Case {
        const char* what;
        std::function<void(const std::filesystem::path&)> spoil;
        int warning;
        const char* halt;
    };
    const Case cases[] = {
        {"a directory in its place", [](const auto& db) { std::filesystem::create_directory(db); }, 30, "Disk Error"},
        {"a foreign file", [](const auto& db) { std::ofstream(db) << "not a database, just text\n"; }, 1, "Datoteka ne valja!"},
        {"an empty file, not empty books", [](const auto& db) { std::ofstream{db}; }, 1, "Datoteka ne valja!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::TempDir other;
        c.spoil(other.path() / databaseFileName);
        test::ScriptedMessages msgs;
        Session s(msgs, clock, other.path().string());
        EXPECT_FALSE(s.start());
        ASSERT_EQ(msgs.shown.size(), 1u);
        EXPECT_EQ(msgs.shown[0].warningId, c.warning);
        EXPECT_NE(msgs.shown[0].text.find(databaseFileName), std::string::npos) << msgs.shown[0].text;
        EXPECT_EQ(msgs.halts, std::vector<std::string>{c.halt});
        EXPECT_FALSE(s.context().store.isOpen());
    }
}

// Books of the earlier version: the program upgrades them before it reads anything, says what changed
// and where the copy is, and goes on; books it cannot upgrade end the program after saying why.
TEST_F(StartUp, EarlierBooksAreUpgradedFirst) {
    ASSERT_TRUE(start());
    for (const TableDef* t : allTables()) ASSERT_EQ(ctx().files.open(*t), StoreCode::Ok);
    session.reset();
    const std::string db = dir.file(databaseFileName);
    ASSERT_TRUE(test::makeEarlierBooks(db));
    messages.shown.clear();
    ASSERT_TRUE(start());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Nadogradnja podataka");
    EXPECT_EQ(messages.shown[0].icon, Icon::Information);
    EXPECT_NE(messages.shown[0].text.find(db + ".prije-nadogradnje"), std::string::npos) << messages.shown[0].text;
    EXPECT_TRUE(messages.halts.empty());
    EXPECT_EQ(count(Vrstedoh::table), 0);  // the income types open in this version's layout
    session.reset();

    ASSERT_TRUE(test::makeEarlierBooks(db));
    test::RawDb(db).exec("INSERT INTO OPCINE (OZNAKA, SHIFRA, NAZIV, STOPAPRIREZA, _ver) VALUES (1, '1333', 'ZAGREB', 'puno', 1)");
    messages.shown.clear();
    EXPECT_FALSE(start());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("Podatke nije moguće nadograditi"), std::string::npos) << messages.shown[0].text;
    EXPECT_EQ(messages.halts.size(), 1u);
}

}  // namespace
}  // namespace pramo
