// pramo-cli init and check, run as a user runs them.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <thread>

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
    EXPECT_NE(r.out.find("23 of 23 tables created"), std::string::npos) << r.out;

    test::RawDb raw(dir.file("podaci/pramo.db"));
    EXPECT_EQ(raw.value("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name NOT LIKE '\\_%' ESCAPE '\\'"), "23");
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

TEST(CliBadInput, UnknownOptionsEmptyNamesAndMissingParentsAreRefused) {
    test::TempDir dir;
    const std::vector<std::vector<std::string>> lines{
        {"init", "--bogus"}, {"init", ""}, {"init", "a/b/c"}, {"init", "x", "y"}, {"check", "--all"}, {"check", ""},
        {"demo", ""},        {"demo", "-x"}, {"calc", "--data", "", "--item", "1"},
    };
    for (const auto& args : lines) {
        const auto r = runCommand(PRAMO_CLI, args, dir.path().string());
        EXPECT_EQ(r.exitCode, 2) << args.back();
        EXPECT_FALSE(r.err.empty()) << args.back();
    }
    EXPECT_TRUE(fs::is_empty(dir.path()));
    EXPECT_EQ(runCommand(PRAMO_CLI, {"init", "new/"}, dir.path().string()).exitCode, 0);  // one level, however written
}

// Six programs making the same new data directory at once: one makes each file, the others wait
// and find it made. Every run ends with one complete database and no message.
TEST(CliInit, SixAtOnceOnOneEmptyDirectoryMakeOneDatabase) {
    for (int run = 0; run < 50; ++run) {
        test::TempDir dir;
        std::vector<test::CommandResult> results(6);
        std::vector<std::thread> programs;
        for (auto& r : results) programs.emplace_back([&r, &dir] { r = runCommand(PRAMO_CLI, {"init", dir.path().string()}); });
        for (auto& p : programs) p.join();
        for (const auto& r : results) {
            ASSERT_EQ(r.exitCode, 0) << "run " << run << ": " << r.err;
            ASSERT_EQ(r.err, "") << "run " << run;
        }
        test::RawDb raw(dir.file("pramo.db"));
        ASSERT_EQ(raw.value("SELECT count(*) FROM sqlite_master WHERE type = 'table'"), "25") << "run " << run;
        ASSERT_EQ(raw.value("SELECT count(*) FROM VBRAT"), "62") << "run " << run;
    }
}

// A database page overwritten: init and check say the directory is damaged, check file by file.
TEST(CliInit, ADamagedDatabaseIsReportedNotCalledComplete) {
    test::TempDir dir;
    ASSERT_EQ(runCommand(PRAMO_CLI, {"init", dir.path().string()}).exitCode, 0);
    std::int64_t root = 0;
    {
        test::RawDb raw(dir.file("pramo.db"));
        ASSERT_EQ(raw.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000) "
                           "INSERT INTO OSOBE (OZNAKA, PREZIME, _ver) SELECT i, 'Prezime ' || i, 1 FROM n"), SQLITE_OK);
        root = std::stoll(raw.value("SELECT rootpage FROM sqlite_master WHERE name = 'OSOBE'"));
    }
    {
        std::fstream db(dir.file("pramo.db"), std::ios::in | std::ios::out | std::ios::binary);
        db.seekp((root - 1) * 4096);  // the file's first page of rows, over its header
        db << std::string(4096, 'U');
    }
    const auto init = runCommand(PRAMO_CLI, {"init", dir.path().string()});
    EXPECT_EQ(init.exitCode, 1);
    EXPECT_NE(init.err.find("is damaged"), std::string::npos) << init.out << init.err;
    EXPECT_EQ(init.out.find("nothing to do"), std::string::npos) << init.out;
    const auto check = runCommand(PRAMO_CLI, {"check", dir.path().string()});
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_NE(check.out.find("OSOBE"), std::string::npos);
    EXPECT_NE(check.out.find("the database file is damaged"), std::string::npos) << check.out;
    EXPECT_NE(check.out.find("JOPOZIJE          53  keys sound"), std::string::npos) << check.out;
    EXPECT_NE(check.out.find("some files are damaged"), std::string::npos);
}

TEST(CliCheck, ReportsAFileWithOtherColumnsAndGoesOn) {
    test::TempDir dir;
    ASSERT_EQ(runCommand(PRAMO_CLI, {"init", dir.path().string()}).exitCode, 0);
    {
        test::RawDb raw(dir.file("pramo.db"));
        ASSERT_EQ(raw.exec("ALTER TABLE OSOBE DROP COLUMN IME; DROP TABLE _pramo_dirty"), SQLITE_OK);
    }
    const auto r = runCommand(PRAMO_CLI, {"check", dir.path().string()});
    EXPECT_EQ(r.exitCode, 1) << r.err;
    EXPECT_NE(r.out.find("OSOBE              0  its columns differ from the program's layout"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("ISPLATE            0  keys sound (rebuilt now)"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("VBRAT             62  keys sound"), std::string::npos) << r.out;
}

// Values put in with another tool that their fields cannot hold are listed, each by its row.
TEST(CliCheck, ListsEveryValueItsFieldCannotHold) {
    test::TempDir dir;
    ASSERT_EQ(runCommand(PRAMO_CLI, {"init", dir.path().string()}).exitCode, 0);
    {
        test::RawDb raw(dir.file("pramo.db"));
        ASSERT_EQ(raw.exec("INSERT INTO OSOBE (OZNAKA, PREZIME, MJESTO) VALUES (1, 'Horvat', 99999999999), (2, 'Kos', 'x');"
                           "INSERT INTO DOHOCI (OZNAKA, VRSTADOHOTKA) VALUES (1, 300)"), SQLITE_OK);
    }
    const auto r = runCommand(PRAMO_CLI, {"check", dir.path().string()});
    EXPECT_EQ(r.exitCode, 1);
    for (const char* s : {"DOHOCI             1  1 value its field cannot hold:\n    row 1, VRSTADOHOTKA holds 300, outside BYTE",
                          "OSOBE              2  2 values their fields cannot hold:\n    row 1, MJESTO holds 99999999999, outside LONG",
                          "    row 2, MJESTO holds 'x', which is not a whole number", "some files are damaged"})
        EXPECT_NE(r.out.find(s), std::string::npos) << s << "\n" << r.out;
}

// Standard output that cannot take what is printed (a full disk, a closed pipe) fails the command.
TEST(CliOutput, OutputThatCannotBeWrittenIsAFailure) {
    const auto full = runCommand(PRAMO_CLI, {"help"}, {}, {.fileSizeBytes = 16});
    EXPECT_EQ(full.exitCode, 1);
    int pipe[2];
    ASSERT_EQ(::pipe(pipe), 0);
    ::close(pipe[0]);  // nobody reads
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipe[1], 1);
        execl(PRAMO_CLI, PRAMO_CLI, "help", nullptr);
        _exit(127);
    }
    ::close(pipe[1]);
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 1);
}

}  // namespace
}  // namespace pramo
