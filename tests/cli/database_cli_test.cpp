// pramo-cli on books kept on a PostgreSQL server: --database URI and a data directory's pramo.conf
// choose them, init/demo/check work on them, copy moves whole books between a directory and a
// server either way. The server cases skip when the test run has no server.

#include <gtest/gtest.h>

#include <fstream>
#include <regex>

#include "support/raw_db.h"
#include "support/run_command.h"
#include "support/temp_dir.h"
#include "support/test_books.h"

namespace pramo {
namespace {

using test::runCommand;

// The number copy reports ("kopirano slogova: 412 (iz ... u ...)"); -1 when it reports none.
long copied(const std::string& out) {
    std::smatch m;
    return std::regex_search(out, m, std::regex("kopirano slogova: ([0-9]+)")) ? std::stol(m[1]) : -1;
}

TEST(DatabaseCli, AServerThatCannotBeReachedIsSaidWithoutItsPassword) {
    test::TempDir dir;
    const std::string uri = "postgresql://ana:tajna@/pramo?host=" + dir.file("nema-posluzitelja");
    std::ofstream(dir.file("pramo.conf")) << "# ured\ndatabase = " << uri << "\n";
    for (const std::vector<std::string>& args : {std::vector<std::string>{"check", "--database", uri},
                                                  std::vector<std::string>{"check", dir.path().string()},
                                                  std::vector<std::string>{"copy", "--from", dir.path().string(), "--to", uri}}) {
        const auto r = runCommand(PRAMO_CLI, args);
        EXPECT_NE(r.exitCode, 0) << r.out;
        EXPECT_NE(r.err.find("postgresql://ana@/pramo"), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find("tajna"), std::string::npos) << r.err;
    }
}

struct Step {
    std::vector<std::string> args;
    int exit;
    std::string says;
};

// Runs the steps in `dir`; the numbers of records each copy reported.
std::vector<long> run(const std::vector<Step>& steps, const test::TempDir& dir) {
    std::vector<long> counts;
    for (const Step& s : steps) {
        const auto r = runCommand(PRAMO_CLI, s.args, dir.path().string());
        EXPECT_EQ(r.exitCode, s.exit) << ::testing::PrintToString(s.args) << "\n" << r.out << r.err;
        EXPECT_NE((r.out + r.err).find(s.says), std::string::npos) << ::testing::PrintToString(s.args) << "\n" << r.out << r.err;
        if (s.args[0] == "copy" && s.exit == 0) counts.push_back(copied(r.out));
    }
    return counts;
}

// Books made on a server and checked there; a directory whose pramo.conf names the server works
// on it while its documents go into the directory; a command that makes no books refuses an
// empty database.
TEST(DatabaseCli, BooksOnAServerChosenByTheCommandLineOrPramoConf) {
    test::FreshDatabase first, second;
    if (first.uri().empty()) GTEST_SKIP() << "no test server";
    test::TempDir dir;
    const std::string office = dir.file("ured");
    std::filesystem::create_directory(office);
    std::ofstream(office + "/pramo.conf") << "database = " << second.uri() << "\n";
    run({
            {{"check", "--database", first.uri()}, 2, "nema knjiga programa Pramo (pravi ih pramo-cli init --database URI)"},
            {{"init", "--database", first.uri()}, 0, "napravljeno datoteka"},
            {{"init", "--database", first.uri()}, 0, "nije trebalo ništa napraviti"},
            {{"check", "--database", first.uri()}, 0, "sve datoteke su ispravne"},
            {{"demo", office}, 0, "primjer ureda u postgresql://"},  // pramo.conf's server
            {{"check", office}, 0, "sve datoteke su ispravne"},
            {{"payment", "duplicate", "--payment", "1", "--data", office}, 0, ""},
            {{"joppd", "create", "--payment", "1", "--data", office, "--author", "Iva Horvat", "--email", "iva@ured.hr"}, 0, ""},
            {{"joppd", "xml", "--submission", "1", "--data", office}, 0, office},  // the document in the directory
        },
        dir);
    EXPECT_EQ(test::RawDb(second.uri()).value("SELECT count(*) FROM \"JOPO\""), "1");
    EXPECT_FALSE(std::filesystem::exists(office + "/pramo.db"));
}

// Whole books copied from a server into a directory and from a directory onto a server; a target
// holding books is refused.
TEST(DatabaseCli, CopyMovesWholeBooksEitherWay) {
    test::FreshDatabase first, second;
    if (first.uri().empty()) GTEST_SKIP() << "no test server";
    test::TempDir dir;
    const std::string back = dir.file("natrag");
    const auto counts = run(
        {
            {{"demo", "--database", first.uri()}, 0, "primjer ureda"},
            {{"copy", "--from", first.uri(), "--to", back}, 0, "kopirano slogova: "},
            {{"demo", back}, 2, "već ima podatke"},  // the copy is books of their own
            {{"check", back}, 0, "sve datoteke su ispravne"},
            {{"copy", "--from", back, "--to", first.uri()}, 1, "ništa nije kopirano"},
            {{"copy", "--from", back, "--to", second.uri()}, 0, "kopirano slogova: "},
            {{"check", "--database", second.uri()}, 0, "sve datoteke su ispravne"},
        },
        dir);
    ASSERT_EQ(counts.size(), 2u);
    EXPECT_GT(counts[0], 0);
    EXPECT_EQ(counts[1], counts[0]);
    test::RawDb file(back + "/pramo.db"), server(second.uri());
    for (const char* sql : {"SELECT count(*) FROM \"ISPLATE\"", "SELECT count(*) FROM \"DOHOCI\"", "SELECT max(\"OZNAKA\") FROM \"OSOBE\""})
        EXPECT_EQ(file.value(sql), server.value(sql)) << sql;
}

TEST(DatabaseCli, InitMakesTheBooksOnlyInAnEmptyDatabase) {
    test::FreshDatabase db;
    if (db.uri().empty()) GTEST_SKIP() << "no test server";
    test::RawDb raw(db.uri());
    ASSERT_EQ(raw.exec("CREATE TABLE racuni (broj integer)"), 0);
    for (const char* command : {"init", "demo", "check"}) {
        const auto r = runCommand(PRAMO_CLI, {command, "--database", db.uri()});
        EXPECT_EQ(r.exitCode, 2) << command << ": " << r.out << r.err;
        EXPECT_NE(r.err.find("nije baza podataka programa Pramo"), std::string::npos) << command << ": " << r.err;
    }
    EXPECT_EQ(raw.value("SELECT count(*) FROM pg_tables WHERE schemaname = 'public'"), "1");
}

}  // namespace
}  // namespace pramo
