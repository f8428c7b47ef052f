// A program killed in the middle of a large cascade: every time the payment is either whole or
// gone, and the database stays sound.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "integrity_fixture.h"
#include "support/raw_db.h"
#include "support/temp_dir.h"

namespace pramo {
namespace {

using test::OtherStation;
using Clock = std::chrono::steady_clock;

constexpr int items = 1000;
constexpr int lines = 14;
constexpr int submissions = 2;

// How much of the payment is left, file by file.
struct Left {
    std::int64_t payments, items, lines, slots, submissions;
    bool operator==(const Left&) const = default;
};
const Left whole{1, items, items * lines, items, submissions};
const Left gone{0, 0, 0, 0, 0};

Left leftIn(const std::string& path) {
    test::Session s(path);
    s.openAll();
    return {s.count(Isplate::table), s.count(Dohoci::table), s.count(Obracun::table), s.count(Svasta::table),
            s.count(Jopo::table)};
}

void makeSeed(const std::string& path) {
    test::Session s(path);
    s.openAll();
    test::addRegisters(s);
    test::addPayment(s, {.isplata = 5, .payer = 1, .firstItem = 1, .items = items, .lines = lines,
                         .submissions = submissions});
}

void copyDatabase(const std::string& from, const std::string& to) {
    for (const char* suffix : {"-wal", "-shm"}) std::filesystem::remove(to + suffix);
    std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing);
}

// Another program deleting the payment; it says when it starts.
OtherStation::Body deletePayment(const std::string& path) {
    return [path](OtherStation& me) {
        test::Session s(path);
        auto isp = s.get(Isplate::keyOznaka, Isplate{.oznaka = 5});
        me.tellParent();
        return s.ri.remove(isp) == RiResult::Done ? 0 : 1;
    };
}

TEST(IntegrityKill, KilledCascadeLeavesAllOrNothing) {
    test::TempDir dir;
    const std::string seed = dir.file("seed.db");
    const std::string work = dir.file("pramo.db");
    makeSeed(seed);
    copyDatabase(seed, work);
    ASSERT_EQ(leftIn(work), whole);

    // How long the whole cascade takes when nobody interrupts it.
    Clock::duration full;
    {
        OtherStation timed(deletePayment(work));
        ASSERT_TRUE(timed.hearChild());
        const auto start = Clock::now();
        ASSERT_EQ(timed.wait(), 0);
        full = Clock::now() - start;
    }
    ASSERT_EQ(leftIn(work), gone);
    copyDatabase(seed, work);

    int interrupted = 0;
    for (int tenth : {1, 3, 5, 7, 9, 2, 4, 6, 8}) {
        SCOPED_TRACE(tenth);
        {
            OtherStation victim(deletePayment(work));
            ASSERT_TRUE(victim.hearChild());
            std::this_thread::sleep_for(full * tenth / 10);
            victim.kill();
            victim.wait();
        }
        EXPECT_EQ(test::RawDb(work).value("PRAGMA integrity_check"), "ok");
        const Left left = leftIn(work);
        EXPECT_TRUE(left == whole || left == gone);
        if (left == whole) ++interrupted;
        else copyDatabase(seed, work);  // it finished before the kill: start again from the whole payment
    }
    EXPECT_GT(interrupted, 0);
    std::printf("cascade of %d items: %lld ms, %d of 9 kills interrupted it\n", items,
                static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(full).count()),
                interrupted);
}

}  // namespace
}  // namespace pramo
