// What the store tells of the engine below it: which books it works on, and whether another
// program committed a change since it last asked (its own changes never count).

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include "records/layouts/osobe.h"
#include "store_fixture.h"
#include "support/raw_db.h"

namespace pramo {
namespace {

using StoreBackend = test::StoreTest;

TEST_P(StoreBackend, ChangesOfAnotherProgramAreSeenOnce) {
    if (GetParam() == test::Engine::Sqlite) EXPECT_EQ(store.describe(), "SQLite: " + books.where());
    else EXPECT_TRUE(store.describe().starts_with("PostgreSQL: ")) << store.describe();
    const struct {
        const char* what;
        std::function<void()> change;
        bool seen;
    } steps[] = {
        {"nothing since the open", [] {}, false},
        {"a record added here", [&] { Osobe o; o.oznaka = 1; ASSERT_EQ(store.add(o), StoreCode::Ok); }, false},
        {"a record added elsewhere", [&] { test::RawDb(books.where()).exec("INSERT INTO \"OSOBE\" (\"OZNAKA\", _ver) VALUES (2, 1)"); }, true},
        {"nothing since it was seen", [] {}, false},
        {"a read elsewhere", [&] { test::RawDb(books.where()).value("SELECT count(*) FROM \"OSOBE\""); }, false},
    };
    for (const auto& s : steps) {
        s.change();
        // A server tells of another connection's commit a moment after it: a change is waited for.
        bool seen = store.changedElsewhere();
        for (int i = 0; s.seen && !seen && i < 100; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            seen = store.changedElsewhere();
        }
        EXPECT_EQ(seen, s.seen) << s.what;
    }
}

PRAMO_ON_BOTH_ENGINES(StoreBackend);

}  // namespace
}  // namespace pramo
