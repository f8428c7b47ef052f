// Two programs on the same books at once, each with its own connection: numbers taken as the
// registers take them (the highest + 1, again when another took it first) are never given twice,
// and a record rewritten by both is never rewritten over a change the other made meanwhile (the
// later rewrite is refused, 89, and made again on the record read anew).

#include <gtest/gtest.h>

#include <set>
#include <thread>

#include "records/layouts/opcine.h"
#include "records/layouts/osobe.h"
#include "records/store/cursor.h"
#include "records/store/files.h"
#include "support/scripted_messages.h"
#include "support/test_books.h"

namespace pramo {
namespace {

constexpr int rounds = 40;

// One program: its connection, with the two files open.
struct Program {
    explicit Program(const std::string& where) {
        EXPECT_EQ(store.openDatabase(where), StoreCode::Ok);
        EXPECT_EQ(files.open(Osobe::table), StoreCode::Ok);
        EXPECT_EQ(files.open(Opcine::table), StoreCode::Ok);
    }
    // The next number after the highest, added; again while another program takes it first.
    std::int32_t takeNumber() {
        for (;;) {
            Cursor last(store, Osobe::keyOznaka);
            last.set();
            Osobe o;
            const StoreCode read = last.previous(o);
            if (read != StoreCode::Ok && read != StoreCode::NoMoreRecords) return -1;
            Osobe mine{.oznaka = read == StoreCode::Ok ? o.oznaka + 1 : 1, .prezime = "Horvat"};
            const StoreCode c = store.add(mine);
            if (ok(c)) return mine.oznaka;
            if (c != StoreCode::DuplicateKey) return -1;
        }
    }
    // Counts one more in the shared record, read again whenever another program changed it first.
    int countOne() {
        int refused = 0;
        for (;;) {
            Opcine shared{.oznaka = 1};
            if (!ok(store.get(Opcine::keyOznaka, shared))) return -1;
            ++shared.parent1;
            const StoreCode c = store.put(shared);
            if (ok(c)) return refused;
            if (c != StoreCode::ChangedByOther) return -1;
            ++refused;
        }
    }
    Store store;
    test::ScriptedMessages messages;
    Files files{store};
};

using StoreConcurrency = test::OnEngine;

TEST_P(StoreConcurrency, NoNumberTwiceAndNoChangeLost) {
    test::TestBooks books(GetParam());
    Program first(books.where()), second(books.where());
    Opcine shared{.oznaka = 1, .naziv = "Zagreb"};
    ASSERT_EQ(first.store.add(shared), StoreCode::Ok);
    std::vector<std::int32_t> taken[2];
    int refusals[2] = {0, 0};
    auto work = [&](Program& p, int i) {
        for (int r = 0; r < rounds; ++r) {
            taken[i].push_back(p.takeNumber());
            const int refused = p.countOne();
            refusals[i] = refused < 0 || refusals[i] < 0 ? -1 : refusals[i] + refused;
        }
    };
    std::thread a(work, std::ref(first), 0), b(work, std::ref(second), 1);
    a.join();
    b.join();

    std::set<std::int32_t> numbers(taken[0].begin(), taken[0].end());
    numbers.insert(taken[1].begin(), taken[1].end());
    EXPECT_EQ(numbers.size(), 2u * rounds);
    EXPECT_EQ(*numbers.begin(), 1);
    EXPECT_EQ(*numbers.rbegin(), 2 * rounds);
    EXPECT_GE(refusals[0], 0);
    EXPECT_GE(refusals[1], 0);
    Opcine counted{.oznaka = 1};
    ASSERT_EQ(first.store.get(Opcine::keyOznaka, counted), StoreCode::Ok);
    EXPECT_EQ(counted.parent1, 2 * rounds);  // every count made, none written over another
}

PRAMO_ON_BOTH_ENGINES(StoreConcurrency);

}  // namespace
}  // namespace pramo
