// What the store tells of the engine below it: which books it works on, and whether another
// program committed a change since it last asked (its own changes never count).

#include <gtest/gtest.h>

#include <functional>

#include "records/layouts/osobe.h"
#include "store_fixture.h"
#include "support/raw_db.h"

namespace pramo {
namespace {

// A foreign change is made here by writing the file itself; the server's notices have their own test.
using StoreBackend = test::StoreTest;

TEST_P(StoreBackend, ChangesOfAnotherProgramAreSeenOnce) {
    EXPECT_EQ(store.describe(), "SQLite: " + books.where());
    const struct {
        const char* what;
        std::function<void()> change;
        bool seen;
    } steps[] = {
        {"nothing since the open", [] {}, false},
        {"a record added here", [&] { Osobe o; o.oznaka = 1; ASSERT_EQ(store.add(o), StoreCode::Ok); }, false},
        {"a record added elsewhere", [&] { test::RawDb(books.where()).exec("INSERT INTO OSOBE (OZNAKA, _ver) VALUES (2, 1)"); }, true},
        {"nothing since it was seen", [] {}, false},
        {"a read elsewhere", [&] { test::RawDb(books.where()).value("SELECT count(*) FROM OSOBE"); }, false},
    };
    for (const auto& s : steps) {
        s.change();
        EXPECT_EQ(store.changedElsewhere(), s.seen) << s.what;
    }
}

INSTANTIATE_TEST_SUITE_P(File, StoreBackend, ::testing::Values(test::Engine::Sqlite), test::engineName);

}  // namespace
}  // namespace pramo
