#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <map>
#include <set>

#include "records/layouts/param.h"
#include "shell/form/record_form.h"
#include "support/raw_db.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"
#include "support/test_data.h"

namespace pramo {
namespace {

constexpr int perProgram = 40;

// Reserves `n` numbers in PARAM as one program would, each on a record primed with `who`.
// Answers Retry whenever warning 25 asks; false when a reservation was given up.
bool reserveMany(const std::string& db, const char* who, int n) {
    Store store;
    if (!ok(store.openDatabase(db))) return false;
    test::ScriptedMessages messages;
    Files files(store);
    if (!ok(files.open(Param::table))) return false;
    for (int i = 0; i < n; ++i) {
        messages.answers.assign(8, ButtonRetry);
        RecordBuffer rec(Param::table);
        rec.as<Param>().modelprintera = who;
        if (!reserveNumber(store, messages, rec)) return false;
    }
    return true;
}

TEST(ReserveNumber, TwoProgramsReservingAtOnceNeverTakeTheSameNumber) {
    test::TempDir dir;
    const std::string db = dir.file("pramo.db");
    ASSERT_TRUE(reserveMany(db, "setup", 0));  // creates the file before both start
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) _exit(reserveMany(db, "child", perProgram) ? 0 : 1);
    const bool parentOk = reserveMany(db, "parent", perProgram);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_TRUE(parentOk);

    Store store;
    ASSERT_EQ(store.openDatabase(db), StoreCode::Ok);
    std::set<int> numbers;
    std::map<std::string, int> perOwner;
    Param p;
    store.set(Param::keyOznaka);
    while (ok(store.next(p))) {
        numbers.insert(p.oznaka);
        ++perOwner[p.modelprintera.str()];
    }
    EXPECT_EQ(numbers.size(), 2u * perProgram);
    EXPECT_EQ(*numbers.begin(), 1);
    EXPECT_EQ(*numbers.rbegin(), 2 * perProgram);
    EXPECT_EQ(perOwner["child"], perProgram);
    EXPECT_EQ(perOwner["parent"], perProgram);
}

TEST(ReserveNumber, WhenNoNumberIsLeftWarning25OffersRetryAndCancel) {
    test::TestData data;
    auto& [books, dir, store, messages, files] = data;
    ASSERT_EQ(files.open(Param::table), StoreCode::Ok);
    Param last;
    last.oznaka = 65535;  // the highest number PAR:OZNAKA holds
    ASSERT_EQ(store.add(last), StoreCode::Ok);

    messages.answers = {ButtonRetry, ButtonCancel};
    RecordBuffer rec(Param::table);
    rec.as<Param>().modelprintera = "primed";
    EXPECT_FALSE(reserveNumber(store, messages, rec));
    ASSERT_EQ(messages.shown.size(), 2u);
    for (const auto& box : messages.shown) {
        EXPECT_EQ(box.warningId, 25);
        EXPECT_EQ(box.title, "Auto Increment Error");
        EXPECT_EQ(box.defaultButton, ButtonCancel);
    }
    std::int64_t n = 0;
    ASSERT_EQ(store.count(Param::table, n), StoreCode::Ok);
    EXPECT_EQ(n, 1);  // nothing was added, not even a record numbered 0
    EXPECT_EQ(rec.as<Param>().modelprintera, "primed");
    EXPECT_EQ(rec.as<Param>().oznaka, 0);
}

// An add refused `failures` times in a row (as when other programs keep taking the number just
// read) is tried again: up to two refusals go unnoticed, the third asks with warning 25 once.
TEST(ReserveNumber, WarningTwentyFiveComesAfterTheThirdRefusedAdd) {
    struct Case {
        int failures;
        std::size_t warnings;
    };
    for (const Case c : {Case{2, 0}, Case{3, 1}}) {
        SCOPED_TRACE(c.failures);
        test::TestData data;
        auto& [books, dir, store, messages, files] = data;
        ASSERT_EQ(files.open(Param::table), StoreCode::Ok);
        test::RawDb raw(dir.file("pramo.db"));
        ASSERT_EQ(raw.exec("CREATE TABLE refusals(n INTEGER); INSERT INTO refusals VALUES(" + std::to_string(c.failures) +
                           "); CREATE TRIGGER refuse BEFORE INSERT ON param WHEN (SELECT n FROM refusals) > 0 BEGIN "
                           "UPDATE refusals SET n = n - 1; SELECT RAISE(FAIL, 'taken'); END;"),
                  SQLITE_OK);
        messages.answers = {ButtonRetry};
        RecordBuffer rec(Param::table);
        EXPECT_TRUE(reserveNumber(store, messages, rec));
        EXPECT_EQ(messages.shown.size(), c.warnings);
        for (const auto& box : messages.shown) EXPECT_EQ(box.warningId, 25);
        EXPECT_EQ(rec.as<Param>().oznaka, 1);
        EXPECT_EQ(raw.value("SELECT count(*) FROM param"), "1");
    }
}

}  // namespace
}  // namespace pramo
