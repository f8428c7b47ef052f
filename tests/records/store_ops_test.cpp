// Record operations: numbering, get, walking, positions, rewriting, deleting, transactions, and
// changes made by another program on the same file.

#include <sys/wait.h>
#include <unistd.h>

#include "records/store/cursor.h"
#include "records/layouts/dohoci.h"
#include "records/layouts/opcine.h"
#include "records/layouts/osobe.h"
#include "store_fixture.h"
#include "support/raw_db.h"

namespace pramo {
namespace {

using test::StoreTest;

// The next number as every register finds it: the highest in the number key + 1.
std::int32_t nextNumber(Store& store) {
    Osobe o;
    store.set(Osobe::keyOznaka);
    const StoreCode c = store.previous(o);
    return c == StoreCode::NoMoreRecords ? 1 : o.oznaka + 1;
}

void addPayees(Store& store, std::initializer_list<std::pair<int, const char*>> rows) {
    for (auto [n, name] : rows) {
        Osobe o;
        o.oznaka = n;
        o.prezime = name;
        ASSERT_EQ(store.add(o), StoreCode::Ok);
    }
}

TEST_P(StoreTest, NumberingReadsTheCurrentHighest) {
    EXPECT_EQ(nextNumber(store), 1);
    addPayees(store, {{1, "A"}, {5, "B"}, {3, "C"}});
    EXPECT_EQ(nextNumber(store), 6);
    Osobe o;
    o.oznaka = 5;
    ASSERT_EQ(store.get(Osobe::keyOznaka, o), StoreCode::Ok);
    ASSERT_EQ(store.erase(o), StoreCode::Ok);
    EXPECT_EQ(nextNumber(store), 4);  // the highest number is taken again once it is gone
}

TEST_P(StoreTest, GetFindsByEveryKeyAndReportsMisses) {
    addPayees(store, {{1, "Horvat"}, {2, "Kovač"}});
    Osobe o;
    o.prezime = "KOVAČ";
    ASSERT_EQ(store.get(Osobe::keyPrezimeIme, o), StoreCode::Ok);
    EXPECT_EQ(o.oznaka, 2);
    EXPECT_EQ(o.prezime, "Kovač");
    o = {};
    o.oznaka = 9;
    EXPECT_EQ(store.get(Osobe::keyOznaka, o), StoreCode::NotFound);
    EXPECT_EQ(store.error().text(), "Slog nije pronađen (35)");
}

TEST_P(StoreTest, WalkingStopsAtTheEndsAndLeavesTheBuffer) {
    Osobe o;
    store.set(Osobe::keyPrezimeIme);
    EXPECT_EQ(store.next(o), StoreCode::NoMoreRecords);  // empty file
    addPayees(store, {{1, "A"}, {2, "B"}});
    store.set(Osobe::keyPrezimeIme);
    ASSERT_EQ(store.next(o), StoreCode::Ok);
    ASSERT_EQ(store.next(o), StoreCode::Ok);
    EXPECT_EQ(store.next(o), StoreCode::NoMoreRecords);
    EXPECT_EQ(o.prezime, "B");
    store.set(Osobe::keyPrezimeIme);
    ASSERT_EQ(store.previous(o), StoreCode::Ok);  // set, then previous: the highest key
    EXPECT_EQ(o.prezime, "B");
}

TEST_P(StoreTest, ChildrenOfAParentAreReadFromTheLinkKey) {
    for (auto [num, payment] : {std::pair{1, 10}, {2, 11}, {3, 10}, {4, 12}, {5, 10}}) {
        Dohoci d;
        d.oznaka = num;
        d.isplata = payment;
        ASSERT_EQ(store.add(d), StoreCode::Ok);
    }
    Dohoci d;
    d.isplata = 10;
    store.setFrom(Dohoci::keyIsplata, d);
    std::vector<int> items;
    while (ok(store.next(d)) && d.isplata == 10) items.push_back(d.oznaka);
    EXPECT_EQ(items, (std::vector<int>{1, 3, 5}));
}

TEST_P(StoreTest, APositionLeadsBackToItsRecordOrItsNeighbour) {
    addPayees(store, {{1, "A"}, {2, "B"}, {3, "C"}, {4, "D"}});
    Cursor c(store, Osobe::keyPrezimeIme);
    Osobe o;
    c.set();
    ASSERT_EQ(c.next(o), StoreCode::Ok);
    ASSERT_EQ(c.next(o), StoreCode::Ok);
    const Position atB = c.position();
    c.resetTo(atB);
    ASSERT_EQ(c.next(o), StoreCode::Ok);
    EXPECT_EQ(o.prezime, "B");
    c.resetTo(atB);
    ASSERT_EQ(c.previous(o), StoreCode::Ok);
    EXPECT_EQ(o.prezime, "B");

    Osobe b;
    b.oznaka = 2;
    ASSERT_EQ(store.get(Osobe::keyOznaka, b), StoreCode::Ok);
    ASSERT_EQ(store.erase(b), StoreCode::Ok);
    c.resetTo(atB);
    ASSERT_EQ(c.next(o), StoreCode::Ok);
    EXPECT_EQ(o.prezime, "C");  // the record is gone: the nearest one after it
    EXPECT_EQ(store.reget(atB, o), StoreCode::NotFound);
}

TEST_P(StoreTest, ACursorSeesWritesMadeWhileItWalks) {
    addPayees(store, {{1, "A"}, {2, "B"}, {3, "C"}});
    Cursor c(store, Osobe::keyPrezimeIme);
    Osobe o;
    c.set();
    ASSERT_EQ(c.next(o), StoreCode::Ok);  // reads ahead past B and C
    Osobe b;
    b.oznaka = 2;
    ASSERT_EQ(store.get(Osobe::keyOznaka, b), StoreCode::Ok);
    ASSERT_EQ(store.erase(b), StoreCode::Ok);
    ASSERT_EQ(c.next(o), StoreCode::Ok);
    EXPECT_EQ(o.prezime, "C");
}

TEST_P(StoreTest, PutRewritesTheRecordAndItsKeys) {
    addPayees(store, {{1, "Horvat"}, {2, "Babić"}});
    Osobe o;
    o.oznaka = 1;
    ASSERT_EQ(store.get(Osobe::keyOznaka, o), StoreCode::Ok);
    o.prezime = "Anić";
    o.faktorodbitka = *Dec<5, 2>::parse("1,5");
    ASSERT_EQ(store.put(o), StoreCode::Ok);
    const auto all = walk<Osobe>(Osobe::keyPrezimeIme);
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].prezime, "Anić");
    EXPECT_EQ(all[0].faktorodbitka.toString(), "1.50");
    test::RawDb raw(books.where());
    EXPECT_EQ(raw.value("SELECT \"FAKTORODBITKA\" FROM \"OSOBE\" WHERE \"OZNAKA\" = 1"), "150");
}

TEST_P(StoreTest, PutIntoAUniqueKeyOfAnotherRecordIsRefused) {
    Osobe a, b;
    a.oznaka = 1;
    a.oib = "11111111111";
    b.oznaka = 2;
    b.oib = "22222222222";
    ASSERT_EQ(store.add(a), StoreCode::Ok);
    ASSERT_EQ(store.add(b), StoreCode::Ok);
    b.oib = "11111111111";
    EXPECT_EQ(store.put(b), StoreCode::DuplicateKey);
    EXPECT_TRUE(store.collides(Osobe::keyOib, b));
    EXPECT_FALSE(store.collides(Osobe::keyOib, a));  // a record never collides with itself
    b.oib = "33333333333";
    EXPECT_EQ(store.put(b), StoreCode::Ok);  // the refused put did not spoil the version
}

TEST_P(StoreTest, ARollbackUndoesEveryFile) {
    addPayees(store, {{1, "A"}});
    {
        Transaction tx(store, 2);
        ASSERT_TRUE(tx.began());
        addPayees(store, {{2, "B"}});
        Opcine op;
        op.oznaka = 1;
        ASSERT_EQ(store.add(op), StoreCode::Ok);
    }  // not committed
    std::int64_t n = 0;
    ASSERT_EQ(store.count(Osobe::table, n), StoreCode::Ok);
    EXPECT_EQ(n, 1);
    ASSERT_EQ(store.count(Opcine::table, n), StoreCode::Ok);
    EXPECT_EQ(n, 0);
    {
        Transaction tx(store, 2);
        addPayees(store, {{3, "C"}});
        ASSERT_EQ(tx.commit(), StoreCode::Ok);
    }
    ASSERT_EQ(store.count(Osobe::table, n), StoreCode::Ok);
    EXPECT_EQ(n, 2);
}

// Runs f in a child process with its own connection to the same database; waits for it.
template <class F> int inOtherProgram(const std::string& db, F f) {
    const pid_t pid = fork();
    if (pid == 0) {
        Store other;
        if (!ok(other.openDatabase(db))) _exit(90);
        _exit(f(other));
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_P(StoreTest, ARecordChangedByAnotherProgramIsNotOverwritten) {
    addPayees(store, {{1, "Horvat"}});
    Osobe mine;
    mine.oznaka = 1;
    ASSERT_EQ(store.get(Osobe::keyOznaka, mine), StoreCode::Ok);

    const int rc = inOtherProgram(books.where(), [](Store& other) {
        Osobe theirs;
        theirs.oznaka = 1;
        if (!ok(other.get(Osobe::keyOznaka, theirs))) return 1;
        theirs.ime = "Ivan";
        return ok(other.put(theirs)) ? 0 : 2;
    });
    ASSERT_EQ(rc, 0);

    mine.ime = "Marko";
    EXPECT_EQ(store.put(mine), StoreCode::ChangedByOther);
    EXPECT_EQ(store.error().text(), "Slog je u međuvremenu promijenila druga radna stanica (89)");
    Osobe now;
    ASSERT_EQ(store.reget(store.position(Osobe::keyOznaka, mine), now), StoreCode::Ok);
    EXPECT_EQ(now.ime, "Ivan");
    now.ime = "Marko";
    EXPECT_EQ(store.put(now), StoreCode::Ok);  // read again, it can be written
}

TEST_P(StoreTest, AnotherProgramHoldingTheFileMakesATransactionWaitThenGiveUp) {
    test::RawDb other(books.where());
    ASSERT_EQ(other.holdWriteLock(), SQLITE_OK);
    EXPECT_EQ(store.begin(1), StoreCode::FileLocked);
    other.exec("COMMIT");
    EXPECT_EQ(store.begin(1), StoreCode::Ok);
    store.rollback();
}

PRAMO_ON_BOTH_ENGINES(StoreTest);

}  // namespace
}  // namespace pramo
