// A database changed with another tool: the program's own tables dropped or reshaped, a file's
// columns changed. Nothing crashes; what can be repaired safely is, the rest is refused by name.

#include <gtest/gtest.h>

#include "records/layouts/osobe.h"
#include "support/raw_db.h"
#include "support/test_data.h"

namespace pramo {
namespace {

// A data directory holding one payee, changed with another tool after the program closed it.
struct DamagedData {
    explicit DamagedData(const std::string& damage) {
        {
            Store store;
            EXPECT_EQ(store.openDatabase(path()), StoreCode::Ok);
            Files files(store);
            EXPECT_EQ(files.open(Osobe::table), StoreCode::Ok);
            Osobe o{.oznaka = 7, .prezime = Text<25>("Horvat")};
            EXPECT_EQ(store.add(o), StoreCode::Ok);
        }
        test::RawDb raw(path());
        EXPECT_EQ(raw.exec(damage), SQLITE_OK) << damage;
    }
    std::string path() const { return dir.file("pramo.db"); }

    test::TempDir dir;
};

TEST(StoreDamage, TheProgramsOwnTablesAreMadeAnewAndEveryFileIsCheckedAgain) {
    for (const char* damage : {"DROP TABLE _pramo_layout", "DROP TABLE _pramo_dirty",
                               "DROP TABLE _pramo_layout; CREATE TABLE _pramo_layout (x)",
                               "DROP TABLE _pramo_dirty; CREATE TABLE _pramo_dirty (a, b)"}) {
        SCOPED_TRACE(damage);
        DamagedData d(damage);
        Store store;
        ASSERT_EQ(store.openDatabase(d.path()), StoreCode::Ok);
        Files files(store);
        const Outcome<StoreCode> asked = files.open(Osobe::table);  // the keys are rebuilt, with the user's consent
        ASSERT_TRUE(asked.message);
        EXPECT_EQ(asked.message->warningId, static_cast<int>(Warning::InvalidKey));
        EXPECT_EQ(files.rebuildKeys(Osobe::table), StoreCode::Ok);
        Osobe o{.oznaka = 7};
        EXPECT_EQ(store.get(Osobe::keyOznaka, o), StoreCode::Ok);
        EXPECT_EQ(o.prezime.str(), "Horvat");
    }
}

TEST(StoreDamage, AFileWithOtherColumnsIsRefusedAsAnotherLayout) {
    DamagedData d("ALTER TABLE OSOBE DROP COLUMN IME");
    Store store;
    ASSERT_EQ(store.openDatabase(d.path()), StoreCode::Ok);
    Files files(store);
    const Outcome<StoreCode> refused = files.open(Osobe::table);
    EXPECT_EQ(refused.result, StoreCode::LayoutMismatch);
    ASSERT_TRUE(refused.message);
    EXPECT_EQ(refused.message->haltText, "Datoteka ne valja!");
}

TEST(StoreDamage, AColumnDroppedWhileTheFileIsOpenGivesACodeNotACrash) {
    test::TestData data;
    ASSERT_EQ(data.files.open(Osobe::table), StoreCode::Ok);
    test::RawDb raw(data.dir.file("pramo.db"));
    ASSERT_EQ(raw.exec("ALTER TABLE OSOBE DROP COLUMN IME; DROP TABLE _pramo_dirty"), SQLITE_OK);
    Osobe o{.oznaka = 1};
    EXPECT_NE(data.store.get(Osobe::keyOznaka, o), StoreCode::Ok);
    EXPECT_NE(data.store.add(o), StoreCode::Ok);
    EXPECT_NE(data.store.checkTable(Osobe::table), StoreCode::Ok);
    std::int64_t stale = 0;
    EXPECT_NE(data.store.verifyKeys(Osobe::table, stale), StoreCode::Ok);
}

}  // namespace
}  // namespace pramo
