// What the store tells of the engine below it: which books it works on, and whether another
// program committed a change since it last asked (its own changes never count).

#include <gtest/gtest.h>

#include <functional>

#include "records/layouts/all_tables.h"
#include "records/layouts/osobe.h"
#include "records/store/files.h"
#include "support/raw_db.h"
#include "support/temp_dir.h"

namespace pramo {
namespace {

// Books in a database file, where another program is a plain SQLite connection.
class StoreBackend : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(store.openDatabase(dir.file("pramo.db")), StoreCode::Ok);
        for (const TableDef* t : allTables()) ASSERT_EQ(files.open(*t), StoreCode::Ok);
    }
    test::TempDir dir;
    Store store;
    Files files{store};
};

TEST_F(StoreBackend, ChangesOfAnotherProgramAreSeenOnce) {
    EXPECT_EQ(store.describe(), "SQLite: " + dir.file("pramo.db"));
    const struct {
        const char* what;
        std::function<void()> change;
        bool seen;
    } steps[] = {
        {"nothing since the open", [] {}, false},
        {"a record added here", [&] { Osobe o; o.oznaka = 1; ASSERT_EQ(store.add(o), StoreCode::Ok); }, false},
        {"a record added elsewhere", [&] { test::RawDb(dir.file("pramo.db")).exec("INSERT INTO OSOBE (OZNAKA, _ver) VALUES (2, 1)"); }, true},
        {"nothing since it was seen", [] {}, false},
        {"a read elsewhere", [&] { test::RawDb(dir.file("pramo.db")).value("SELECT count(*) FROM OSOBE"); }, false},
    };
    for (const auto& s : steps) {
        s.change();
        EXPECT_EQ(store.changedElsewhere(), s.seen) << s.what;
    }
}

}  // namespace
}  // namespace pramo
