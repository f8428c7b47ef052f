// Integrity between stations: a second program on the same data directory, in a child process
// with its own store. A lock held too long refuses, a change made meanwhile is shown, and a
// program killed in the middle of a cascade leaves all of it or none of it.

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "integrity_fixture.h"
#include "support/temp_dir.h"

namespace pramo {
namespace {

using test::OtherStation;
using namespace std::chrono_literals;

template <class R> R readFrom(Store& st, std::int64_t number) {
    R rec;
    R::table.fields.front().setInt(&rec, number);
    if (!ok(st.get(R::table.primaryKey(), rec))) throw std::runtime_error("no record");
    return rec;
}

// The other station holds the write lock from the parent's first signal to its second, or for
// `holdFor` when that is given.
OtherStation::Body holdLock(const std::string& path, std::chrono::milliseconds holdFor = 0ms) {
    return [path, holdFor](OtherStation& me) {
        if (!me.hearParent()) return 1;
        Store st;
        if (!ok(st.openDatabase(path)) || !ok(st.begin(10))) return 1;
        me.tellParent();
        if (holdFor > 0ms) std::this_thread::sleep_for(holdFor);
        else me.hearParent();
        st.rollback();
        return 0;
    };
}

TEST(IntegrityConcurrency, LockBeyondTwoSecondsChangesNothing) {
    test::TempDir dir;
    const std::string path = dir.file("pramo.db");
    OtherStation other(holdLock(path));
    test::Session s(path);
    s.openAll();
    test::addRegisters(s);
    test::addPayment(s, {.isplata = 5, .payer = 1, .firstItem = 7, .items = 2});
    auto isp = readFrom<Isplate>(s.store, 5);
    other.tellChild();
    ASSERT_TRUE(other.hearChild());

    EXPECT_EQ(s.ri.remove(isp), RiResult::Refused);
    EXPECT_EQ(s.messages.shown.back().title, "Transaction Framing Error");
    // The message names the program holding the lock and how long it was waited for.
    const std::string locked = "Datoteka je zaključana (drži je test_records, proces " + std::to_string(other.pid()) + "); čekano 2 s (32)";
    EXPECT_EQ(test::lastBox(s), "34 Error: (" + locked + ") attempting to frame the delete transaction on "
                                "isplate.  Delete transaction cancelled.");
    isp.oznaka = 50;
    EXPECT_EQ(s.ri.update(isp), RiResult::Refused);
    EXPECT_EQ(test::lastBox(s), "34 Error: (" + locked + ") attempting to frame the update transaction on "
                                "isplate.  Update transaction cancelled.");
    other.tellChild();
    EXPECT_EQ(other.wait(), 0);

    EXPECT_EQ(s.count(Isplate::table), 1);
    EXPECT_EQ(s.countWith(Dohoci::keyIsplata, 5), 2);
    EXPECT_EQ(s.countWith(Obracun::keyDohodak, 7), 12);
    EXPECT_EQ(s.files.openCount(Dohoci::table), 1);  // what the operations opened they closed
    EXPECT_EQ(s.ri.update(isp), RiResult::Done);      // the same change once the lock is gone
    EXPECT_EQ(s.countWith(Dohoci::keyIsplata, 50), 2);
}

TEST(IntegrityConcurrency, LockReleasedWithinTheTimeOutIsWaitedFor) {
    test::TempDir dir;
    const std::string path = dir.file("pramo.db");
    OtherStation other(holdLock(path, 400ms));
    test::Session s(path);
    s.openAll();
    test::addRegisters(s);
    auto uli = readFrom<Ulice>(s.store, 1);
    uli.naziv = "Vlaška";
    other.tellChild();
    ASSERT_TRUE(other.hearChild());
    EXPECT_EQ(s.ri.update(uli), RiResult::Done);
    EXPECT_TRUE(s.messages.shown.empty());
    EXPECT_EQ(other.wait(), 0);
}

TEST(IntegrityConcurrency, RecordChangedByAnotherStationIsShown) {
    test::TempDir dir;
    const std::string path = dir.file("pramo.db");
    OtherStation other([&path](OtherStation& me) {
        if (!me.hearParent()) return 1;
        Store st;
        if (!ok(st.openDatabase(path))) return 1;
        auto vrs = readFrom<Vrstedoh>(st, 21);
        vrs.naziv = "Drugi dohodak";
        return ok(st.put(vrs)) ? 0 : 1;
    });
    test::Session s(path);
    s.openAll();
    test::addRegisters(s);
    auto vrs = readFrom<Vrstedoh>(s.store, 21);
    s.ri.snap(vrs);
    vrs.naziv = "Moj naziv";
    other.tellChild();
    ASSERT_EQ(other.wait(), 0);

    EXPECT_EQ(s.ri.update(vrs), RiResult::ChangedByOther);
    EXPECT_EQ(s.messages.shown.back().title, "Record Was Not Updated");
    EXPECT_EQ(test::lastBox(s), "38 This record was changed by another station. Those changes will now be "
                                "displayed. Use the Ditto Button or Ctrl+' to recall your changes.");
    EXPECT_EQ(vrs.naziv.str(), "Drugi dohodak");
    EXPECT_EQ(readFrom<Vrstedoh>(s.store, 21).naziv.str(), "Drugi dohodak");
    vrs.naziv = "Moj naziv";  // redone on the version shown, it is written
    EXPECT_EQ(s.ri.update(vrs), RiResult::Done);
    EXPECT_EQ(readFrom<Vrstedoh>(s.store, 21).naziv.str(), "Moj naziv");
}

}  // namespace
}  // namespace pramo
