// pramo-cli payment duplicate run by several programs at once.

#include <gtest/gtest.h>

#include <set>
#include <thread>

#include "support/raw_db.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

namespace pramo {
namespace {

// Ten copies of one payment made at the same moment: each program takes the next free number
// and the payer's next free day when another took its own first; none is refused.
TEST(PaymentCli, TenCopiesAtOnceEachGetTheirOwnNumberAndDay) {
    test::TempDir dir;
    const std::string d = dir.path().string();
    ASSERT_EQ(test::runCommand(PRAMO_CLI, {"demo", d}).exitCode, 0);
    std::vector<test::CommandResult> results(10);
    std::vector<std::thread> programs;
    for (auto& r : results)
        programs.emplace_back([&r, &d] { r = test::runCommand(PRAMO_CLI, {"payment", "duplicate", "--payment", "1", "--data", d}); });
    for (auto& p : programs) p.join();
    std::set<std::string> numbers;
    for (const auto& r : results) {
        EXPECT_EQ(r.exitCode, 0) << r.err;
        numbers.insert(r.out);
    }
    EXPECT_EQ(numbers, (std::set<std::string>{"7\n", "8\n", "9\n", "10\n", "11\n", "12\n", "13\n", "14\n", "15\n", "16\n"}));
    test::RawDb raw(dir.file("pramo.db"));
    EXPECT_EQ(raw.value("SELECT count(DISTINCT GODINA || RSID) FROM ISPLATE WHERE OZNAKA > 6"), "10");
    EXPECT_EQ(raw.value("SELECT count(*) FROM DOHOCI WHERE ISPLATA > 6"), "80");  // payment 1 has 8 items
}

}  // namespace
}  // namespace pramo
