// pramo-cli init and check, run as a user runs them.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "support/raw_db.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

namespace pramo {
namespace {

using test::runCommand;
namespace fs = std::filesystem;

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(CliInit, CreatesOneDatabaseWithEveryTableAndTheReferenceData) {
    test::TempDir dir;
    const auto r = runCommand(PRAMO_CLI, {"init", dir.file("podaci")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("22 of 22 tables created"), std::string::npos) << r.out;

    test::RawDb raw(dir.file("podaci/pramo.db"));
    EXPECT_EQ(raw.value("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name NOT LIKE '\\_%' ESCAPE '\\'"), "22");
    for (const char* t : {"OSOBE", "ISPLATE", "DOHOCI", "OBRACUN", "SVASTA", "VRSTEDOH", "SUBJEKTI", "OPCINE", "MJESTA",
                          "POZICIJE", "PORSTOPE", "ULICE", "BANKE", "NEOPOREZ", "VBRAT", "JOPO", "ID1", "KRIZNICA",
                          "DETKRIZ", "PARAM", "UPLATNIR", "JOPOZIJE"}) {
        EXPECT_EQ(raw.value(std::string("SELECT name FROM sqlite_master WHERE type = 'table' AND name = '") + t + "'"), t);
    }
    EXPECT_EQ(raw.value("SELECT NAZIV FROM POZICIJE WHERE OZNAKA = 12"), "Osobni odbitak");
    EXPECT_EQ(raw.value("SELECT count(*) FROM POZICIJE"), "12");
    EXPECT_EQ(raw.value("SELECT STOPA || '/' || OSNOVICA FROM PORSTOPE WHERE OZNAKA = 3"), "4000/999999999");
    EXPECT_NE(raw.value("SELECT count(*) FROM JOPOZIJE"), "0");
    EXPECT_EQ(raw.value("SELECT REZERVA FROM VBRAT WHERE SHIFRA = '4002'"), "02");

    const auto again = runCommand(PRAMO_CLI, {"init", dir.file("podaci")});
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_NE(again.out.find("nothing to do"), std::string::npos) << again.out;
}

TEST(CliCheck, ReportsCountsAndRebuildsKeysChangedBehindItsBack) {
    test::TempDir dir;
    ASSERT_EQ(runCommand(PRAMO_CLI, {"init", dir.path().string()}).exitCode, 0);
    {
        test::RawDb raw(dir.file("pramo.db"));
        ASSERT_EQ(raw.exec("INSERT INTO OSOBE (OZNAKA, PREZIME) VALUES (1, 'Horvat')"), SQLITE_OK);
    }
    const auto r = runCommand(PRAMO_CLI, {"check"}, dir.path().string());  // DIR defaults to here
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_NE(r.out.find("OSOBE              1  keys sound (rebuilt now)"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("VBRAT             62  keys sound"), std::string::npos) << r.out;
    EXPECT_NE(r.err.find("OSOBE key file is invalid"), std::string::npos) << r.err;
}

TEST(CliBadInput, IsRefusedWithExitCodeTwoAndTouchesNothing) {
    test::TempDir dir;
    const std::string file = dir.file("plain.txt");
    std::ofstream(file) << "not a directory";
    auto r = runCommand(PRAMO_CLI, {"init", file});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("is not a directory"), std::string::npos) << r.err;
    EXPECT_EQ(slurp(file), "not a directory");

    const fs::path foreign = dir.path() / "foreign";
    fs::create_directory(foreign);
    std::ofstream(foreign / "pramo.db") << "spreadsheet export, not a database at all .................................";
    const std::string before = slurp(foreign / "pramo.db");
    for (const char* cmd : {"init", "check"}) {
        r = runCommand(PRAMO_CLI, {cmd, foreign.string()});
        EXPECT_EQ(r.exitCode, 2) << cmd;
        EXPECT_NE(r.err.find("is not a Pramo database"), std::string::npos) << r.err;
    }
    EXPECT_EQ(slurp(foreign / "pramo.db"), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(foreign), fs::directory_iterator{}), 1);

    const fs::path other = dir.path() / "other";
    fs::create_directory(other);
    {
        test::RawDb raw((other / "pramo.db").string());
        raw.exec("CREATE TABLE invoices (n INTEGER)");
    }
    r = runCommand(PRAMO_CLI, {"init", other.string()});
    EXPECT_EQ(r.exitCode, 2);
    test::RawDb raw((other / "pramo.db").string());
    EXPECT_EQ(raw.value("SELECT count(*) FROM sqlite_master"), "1");

    r = runCommand(PRAMO_CLI, {"check", (dir.path() / "missing").string()});
    EXPECT_EQ(r.exitCode, 2);
    r = runCommand(PRAMO_CLI, {"frobnicate"});
    EXPECT_EQ(r.exitCode, 2);
}

TEST(CliBadInput, ADirectoryWithoutWritePermissionIsRefused) {
    test::TempDir dir;
    const fs::path ro = dir.path() / "ro";
    fs::create_directory(ro);
    fs::permissions(dir.path(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                    fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(ro, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read | fs::perms::others_exec);
    // Permissions do not bind the superuser, so it runs the command as an ordinary user.
    const bool root = geteuid() == 0;
    if (root && !fs::exists("/usr/bin/setpriv")) GTEST_SKIP() << "no setpriv to drop privileges";
    const auto r = root ? runCommand("/usr/bin/setpriv", {"--reuid=65534", "--regid=65534", "--clear-groups", PRAMO_CLI,
                                                          "init", ro.string()})
                        : runCommand(PRAMO_CLI, {"init", ro.string()});
    EXPECT_EQ(r.exitCode, 2) << r.out << r.err;
    EXPECT_NE(r.err.find("no permission to write in"), std::string::npos) << r.err;
    EXPECT_TRUE(fs::is_empty(ro));
    fs::permissions(ro, fs::perms::owner_all);
}

}  // namespace
}  // namespace pramo
