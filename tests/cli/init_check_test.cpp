// pramo-cli init and check, run as a user runs them.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "records/layouts/relations.h"
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
    EXPECT_NE(r.out.find("napravljeno datoteka 23 od 23"), std::string::npos) << r.out;

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
    EXPECT_NE(again.out.find("nije trebalo ništa napraviti"), std::string::npos) << again.out;
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
    EXPECT_NE(r.out.find("OSOBE              1  ključevi ispravni (upravo izgrađeni)"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("VBRAT             62  ključevi ispravni"), std::string::npos) << r.out;
    EXPECT_NE(r.err.find("Ključevi datoteke OSOBE nisu ispravni; gradim ih ponovno"), std::string::npos) << r.err;
}

TEST(CliBadInput, IsRefusedWithExitCodeTwoAndTouchesNothing) {
    test::TempDir dir;
    const std::string file = dir.file("plain.txt");
    std::ofstream(file) << "not a directory";
    auto r = runCommand(PRAMO_CLI, {"init", file});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("nije mapa"), std::string::npos) << r.err;
    EXPECT_EQ(slurp(file), "not a directory");

    const fs::path foreign = dir.path() / "foreign";
    fs::create_directory(foreign);
    std::ofstream(foreign / "pramo.db") << "spreadsheet export, not a database at all .................................";
    const std::string before = slurp(foreign / "pramo.db");
    for (const char* cmd : {"init", "check"}) {
        r = runCommand(PRAMO_CLI, {cmd, foreign.string()});
        EXPECT_EQ(r.exitCode, 2) << cmd;
        EXPECT_NE(r.err.find("nije baza podataka programa Pramo"), std::string::npos) << r.err;
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
    EXPECT_NE(r.err.find("nema dozvole za pisanje u mapu"), std::string::npos) << r.err;
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

// Every command that may write into the data directory (making a file or rebuilding keys is
// writing too), run on DIR.
std::vector<std::vector<std::string>> writingCommands(const std::string& dir) {
    return {{"init", dir},
            {"demo", dir},
            {"import", "opcine", "--data", dir},
            {"calc", "--data", dir, "--item", "1"},
            {"payment", "duplicate", "--payment", "1", "--data", dir},
            {"joppd", "create", "--payment", "1", "--data", dir},
            {"joppd", "xml", "--submission", "1", "--data", dir},
            {"id1", "xml", "--header", "1", "--data", dir},
            {"report", "opcine", "--data", dir, "--text", dir + "/opcine.txt"}};
}

// A database page overwritten: every command that may write refuses the directory before it
// touches a byte of it, saying it is damaged; check reports it file by file.
TEST(CliInit, ADamagedDatabaseIsRefusedForWritingAndReported) {
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
    const std::string damaged = slurp(dir.file("pramo.db"));
    for (const auto& args : writingCommands(dir.path().string())) {
        const auto r = runCommand(PRAMO_CLI, args);
        EXPECT_EQ(r.exitCode, 2) << args[0] << " " << args[1] << "\n" << r.err;
        EXPECT_NE(r.err.find("pramo.db je oštećena (SQLite-ova provjera našla je grešaka: "), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "") << args[0];
    }
    EXPECT_TRUE(slurp(dir.file("pramo.db")) == damaged);
    EXPECT_FALSE(fs::exists(dir.file("opcine.txt")));
    const auto check = runCommand(PRAMO_CLI, {"check", dir.path().string()});
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_NE(check.out.find("OSOBE"), std::string::npos);
    EXPECT_NE(check.out.find("datoteka baze podataka je oštećena"), std::string::npos) << check.out;
    EXPECT_NE(check.out.find("JOPOZIJE          53  ključevi ispravni"), std::string::npos) << check.out;
    EXPECT_NE(check.out.find("neke datoteke su oštećene"), std::string::npos);
}

// A database file of 0 bytes holds no books: every command refuses it and leaves it as it is,
// but init, which makes the books in it.
TEST(CliBadInput, AnEmptyDatabaseFileIsNoBooks) {
    test::TempDir dir;
    std::ofstream{dir.file("pramo.db")};
    auto commands = writingCommands(dir.path().string());
    commands.front() = {"check", dir.path().string()};
    for (const auto& args : commands) {
        const auto r = runCommand(PRAMO_CLI, args);
        EXPECT_EQ(r.exitCode, 2) << args[0] << " " << args[1] << "\n" << r.err;
        EXPECT_NE(r.err.find("pramo.db nije baza podataka programa Pramo (prazna datoteka od 0 bajtova)"), std::string::npos) << r.err;
        EXPECT_EQ(fs::file_size(dir.file("pramo.db")), 0u) << args[0];
    }
    EXPECT_EQ(runCommand(PRAMO_CLI, {"init", dir.path().string()}).exitCode, 0);
    EXPECT_EQ(runCommand(PRAMO_CLI, {"check", dir.path().string()}).exitCode, 0);
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
    EXPECT_NE(r.out.find("OSOBE              0  stupci se razlikuju od rasporeda programa"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("ISPLATE            0  ključevi ispravni (upravo izgrađeni)"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("VBRAT             62  ključevi ispravni"), std::string::npos) << r.out;
}

// Every relation between files is followed: a record whose link names a record that does not
// exist is listed by file, record and field; a link of 0 names nothing.
TEST(CliCheck, ListsEveryReferenceToARecordThatDoesNotExist) {
    test::TempDir dir;
    ASSERT_EQ(runCommand(PRAMO_CLI, {"init", dir.path().string()}).exitCode, 0);
    {
        test::RawDb raw(dir.file("pramo.db"));
        for (const Relation& r : relations())
            ASSERT_EQ(raw.exec("INSERT INTO " + std::string(r.child->name) + " (" + std::string(r.childField) + ") VALUES (200)"), SQLITE_OK);
    }
    const auto r = runCommand(PRAMO_CLI, {"check", dir.path().string()});
    EXPECT_EQ(r.exitCode, 1);
    for (const Relation& rel : relations()) {
        const std::string child(rel.child->name), link(rel.childField), parent(rel.parent->name);
        const std::string heading = child + ", polje " + link + ": slogova koji upućuju na nepostojeći slog datoteke " + parent + ": 1\n";
        const auto at = r.out.find(heading);
        ASSERT_NE(at, std::string::npos) << heading << r.out;
        const std::string finding = r.out.substr(at + heading.size(), r.out.find('\n', at + heading.size()) - at - heading.size());
        EXPECT_TRUE(finding.starts_with("    redak ")) << finding;
        const std::string number(rel.parentField);  // OZNAKA, or the municipality's SHIFRA
        EXPECT_TRUE(finding.ends_with(", " + link + " 200: u " + parent + " nema sloga s " + number + " 200")) << finding;
    }
}

// A file the books had and lost is reported missing, one never made (books of an earlier version)
// as not made yet; check makes neither. Other commands refuse the lost file by name; init makes
// it anew, saying so.
TEST(CliCheck, SaysWhichFilesAreMissingAndMakesNone) {
    test::TempDir dir;
    const std::string d = dir.path().string();
    ASSERT_EQ(runCommand(PRAMO_CLI, {"demo", d}).exitCode, 0);
    test::RawDb raw(dir.file("pramo.db"));
    ASSERT_EQ(raw.exec("ALTER TABLE SUBJEKTI RENAME TO SUBJEKTI_STARI; DROP TABLE UPLATNIR;"
                       "DELETE FROM _pramo_layout WHERE tbl = 'UPLATNIR'"), SQLITE_OK);
    const std::string present = "SELECT count(*) FROM sqlite_master WHERE name IN ('SUBJEKTI', 'UPLATNIR')";
    const auto check = runCommand(PRAMO_CLI, {"check", d});
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_NE(check.out.find("SUBJEKTI           0  nedostaje: baza podataka imala je ovu datoteku, a sada je nema"), std::string::npos) << check.out;
    EXPECT_NE(check.out.find("UPLATNIR           0  još nije napravljena"), std::string::npos) << check.out;
    EXPECT_EQ(raw.value(present), "0");
    const auto copy = runCommand(PRAMO_CLI, {"payment", "duplicate", "--payment", "1", "--data", d});
    EXPECT_EQ(copy.exitCode, 1);
    EXPECT_NE(copy.err.find("Datoteku SUBJEKTI nije moguće otvoriti: Datoteka je nestala iz baze podataka (36)"), std::string::npos) << copy.err;
    EXPECT_EQ(raw.value(present), "0");
    const auto init = runCommand(PRAMO_CLI, {"init", d});
    EXPECT_EQ(init.exitCode, 0) << init.err;
    EXPECT_NE(init.err.find("datoteka SUBJEKTI nestala je iz baze podataka (njezini slogovi su izgubljeni)"), std::string::npos) << init.err;
    EXPECT_EQ(raw.value(present), "2");
}

// Values put in with another tool that their fields cannot hold are listed, each by its row.
TEST(CliCheck, ListsEveryValueItsFieldCannotHold) {
    test::TempDir dir;
    ASSERT_EQ(runCommand(PRAMO_CLI, {"init", dir.path().string()}).exitCode, 0);
    {
        test::RawDb raw(dir.file("pramo.db"));
        ASSERT_EQ(raw.exec("INSERT INTO OSOBE (OZNAKA, PREZIME, MJESTO) VALUES (1, 'Horvat', 99999999999), (2, 'Kos', 'x');"
                           "INSERT INTO OSOBE (OZNAKA, PREZIME, IME) VALUES (3, 'Kos', CAST(X'416E61EDA080' AS TEXT));"
                           "INSERT INTO DOHOCI (OZNAKA, VRSTADOHOTKA) VALUES (1, 300)"), SQLITE_OK);
    }
    const auto r = runCommand(PRAMO_CLI, {"check", dir.path().string()});
    EXPECT_EQ(r.exitCode, 1);
    for (const char* s : {"DOHOCI             1  vrijednosti koje polja ne mogu primiti: 1\n    redak 1, VRSTADOHOTKA sadrži 300, izvan BYTE",
                          "OSOBE              3  vrijednosti koje polja ne mogu primiti: 3\n    redak 1, MJESTO sadrži 99999999999, izvan LONG",
                          "    redak 2, MJESTO sadrži 'x', što nije cijeli broj",
                          "    redak 3, IME sadrži 'Ana\uFFFD\uFFFD\uFFFD', što nije ispravan UTF-8 tekst", "neke datoteke su oštećene"})
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

// A command whose work is saved says so when its result cannot be printed, and does not claim
// that the work failed (a script would make it again): exit 3, and the work is in the data.
TEST(CliOutput, SavedWorkIsSaidSavedWhenItsResultCannotBePrinted) {
    test::TempDir dir;
    const std::string d = dir.path().string();
    ASSERT_EQ(runCommand(PRAMO_CLI, {"demo", d}).exitCode, 0);
    const struct {
        std::vector<std::string> args;
        const char* saved;
        const char* query;
        const char* after;
    } cases[] = {
        {{"joppd", "create", "--payment", "2", "--data", d}, "obrazac JOPPD 1 je spremljen", "SELECT count(*) FROM JOPO", "1"},
        {{"payment", "duplicate", "--payment", "1", "--data", d}, "nova isplata 7 je spremljena", "SELECT max(OZNAKA) FROM ISPLATE", "7"},
        {{"import", "opcine", "--data", d}, "uvoz u OPCINE je spremljen", "SELECT count(*) FROM OPCINE", "556"},
    };
    for (const auto& c : cases) {
        const auto r = runCommand(PRAMO_CLI, c.args, {}, {.stdoutFull = true});
        EXPECT_EQ(r.exitCode, 3) << c.saved;
        EXPECT_NE(r.err.find("pramo-cli: rezultat nije moguće ispisati na standardni izlaz, ali " + std::string(c.saved)),
                  std::string::npos) << r.err;
        EXPECT_EQ(test::RawDb(dir.file("pramo.db")).value(c.query), c.after) << c.saved;
    }
}

}  // namespace
}  // namespace pramo
