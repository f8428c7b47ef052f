// Transactions that end otherwise than planned, and the key rebuild over more rows than it reads
// at a time: what must hold whoever looks at the file afterwards.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "records/layouts/osobe.h"
#include "records/store/sqlite_backend.h"
#include "store_fixture.h"
#include "support/raw_db.h"

namespace pramo {
namespace {

void addPayee(Store& store, int n, std::string surname) {
    Osobe o;
    o.oznaka = n;
    o.prezime = surname;
    ASSERT_EQ(store.add(o), StoreCode::Ok) << surname;
}

class StoreTransaction : public test::StoreTest {
protected:
    // The surnames another program sees, in row order.
    std::string seenElsewhere() { return test::RawDb(books.where()).column("SELECT \"PREZIME\" FROM \"OSOBE\" ORDER BY _id"); }
    sqlite3* connection() { return dynamic_cast<SqliteBackend&>(store.backend()).connection(); }
    // Makes the engine refuse every commit (a commit hook; on a server, a check deferred to the commit).
    void refuseCommits(bool refuse) {
        if (GetParam() == test::Engine::Sqlite) {
            sqlite3_commit_hook(connection(), refuse ? +[](void*) { return 1; } : nullptr, nullptr);
            return;
        }
        test::RawDb raw(books.where());
        ASSERT_EQ(raw.exec(refuse ? "CREATE FUNCTION no_commit() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN RAISE check_violation; "
                                    "END $$; CREATE CONSTRAINT TRIGGER no_commit AFTER INSERT ON \"OSOBE\" DEFERRABLE INITIALLY "
                                    "DEFERRED FOR EACH ROW EXECUTE FUNCTION no_commit()"
                                  : "DROP TRIGGER no_commit ON \"OSOBE\""),
                  SQLITE_OK);
    }
};

// An inner step that fails is undone alone: the outer transaction commits what it did itself.
TEST_P(StoreTransaction, AFailedInnerStepIsUndoneWhenTheOuterCommits) {
    {
        Transaction outer(store, 2);
        ASSERT_TRUE(outer.began());
        addPayee(store, 1, "A");
        {
            Transaction inner(store, 2);
            ASSERT_TRUE(inner.began());
            addPayee(store, 2, "B");
        }  // the inner step gave up
        addPayee(store, 3, "C");
        ASSERT_EQ(outer.commit(), StoreCode::Ok);
    }
    EXPECT_EQ(store.transactionDepth(), 0);
    EXPECT_EQ(seenElsewhere(), "A,C");
}

// A commit the database refuses is reported, leaves no transaction open (the next one is not
// nested in it) and loses nothing of the next one.
TEST_P(StoreTransaction, ARefusedCommitLeavesNothingOpen) {
    refuseCommits(true);
    {
        Transaction tx(store, 2);
        addPayee(store, 1, "A");
        EXPECT_NE(tx.commit(), StoreCode::Ok);
    }
    EXPECT_NE(store.error().code, StoreCode::Ok);
    EXPECT_EQ(store.transactionDepth(), 0);
    if (GetParam() == test::Engine::Sqlite) {
        EXPECT_NE(sqlite3_get_autocommit(connection()), 0);
    }
    refuseCommits(false);
    {
        Transaction tx(store, 2);
        addPayee(store, 2, "B");
        EXPECT_EQ(tx.commit(), StoreCode::Ok);
    }
    EXPECT_EQ(store.transactionDepth(), 0);
    EXPECT_EQ(seenElsewhere(), "B");
}

// Every row changed by another tool gets its keys back, not only the first few hundred.
TEST_P(StoreTransaction, TheKeyRebuildReachesEveryRow) {
    constexpr int rows = 1200;
    {
        Transaction tx(store, 2);
        for (int n = 1; n <= rows; ++n) addPayee(store, n, "P" + std::to_string(10000 + n));
        ASSERT_EQ(tx.commit(), StoreCode::Ok);
    }
    files.close(Osobe::table);
    ASSERT_EQ(test::RawDb(books.where()).exec("UPDATE \"OSOBE\" SET \"PREZIME\" = 'Z' || \"PREZIME\""), SQLITE_OK);
    ASSERT_EQ(files.open(Osobe::table), StoreCode::KeysInvalid);  // the question whether to rebuild; yes:
    ASSERT_EQ(files.rebuildKeys(Osobe::table), StoreCode::Ok);
    std::int64_t stale = -1;
    ASSERT_EQ(store.verifyKeys(Osobe::table, stale), StoreCode::Ok);
    EXPECT_EQ(stale, 0);
    Osobe last;
    last.prezime = "ZP" + std::to_string(10000 + rows);
    ASSERT_EQ(store.get(Osobe::keyPrezimeIme, last), StoreCode::Ok);
    EXPECT_EQ(last.oznaka, rows);
}

PRAMO_ON_BOTH_ENGINES(StoreTransaction);

}  // namespace
}  // namespace pramo
