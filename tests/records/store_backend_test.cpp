// What the store tells of the engine below it: which books it works on, and whether another
// program committed a change since it last asked (its own changes never count).

#include <gtest/gtest.h>

#include <functional>

#include "records/layouts/osobe.h"
#include "store_fixture.h"
#include "support/raw_db.h"

namespace pramo {
namespace {

using StoreBackend = test::StoreTest;

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
