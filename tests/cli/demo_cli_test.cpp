// pramo-cli demo and payment duplicate.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "support/raw_db.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

namespace pramo::test {
namespace {

// The example office is sound, its payment makes a JOPPD return the official schema accepts, its
// ID-1 form lists the payees paid, and a directory that holds data is left alone.
TEST(DemoCli, ExampleOfficeIsSoundAndFiles) {
    TempDir dir;
    const std::string d = dir.path().string();
    CommandResult r = runCommand(PRAMO_CLI, {"demo", d});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("primatelja: 25, isplata: 5, obračunatih dohodaka: 25"), std::string::npos) << r.out;
    r = runCommand(PRAMO_CLI, {"check", d});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_NE(r.out.find("sve datoteke su ispravne"), std::string::npos) << r.out;
    r = runCommand(PRAMO_CLI, {"joppd", "create", "--payment", "1", "--data", d, "--author", "Iva Horvat", "--email", "iva@rijec.hr"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    r = runCommand(PRAMO_CLI, {"joppd", "xml", "--submission", "1", "--data", d, "--out", d});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    const std::string year = RawDb(dir.file("pramo.db")).value("SELECT GODINA FROM ISPLATE WHERE OZNAKA = 1");
    r = runCommand(PRAMO_CLI, {"report", "id1", "--payer", "1", "--year", year, "--text", dir.file("id1.txt"), "--data", d});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    std::ifstream id1(dir.file("id1.txt"));
    std::stringstream text;
    text << id1.rdbuf();
    EXPECT_NE(text.str().find("Ivan Horvat"), std::string::npos) << text.str();  // paid in payment 1
    r = runCommand(PRAMO_CLI, {"demo", d});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("već ima podatke"), std::string::npos) << r.err;
}

TEST(DemoCli, PaymentDuplicate) {
    TempDir dir;
    const std::string d = dir.path().string();
    ASSERT_EQ(runCommand(PRAMO_CLI, {"demo", d}).exitCode, 0);
    RawDb raw(dir.file("pramo.db"));
    CommandResult r = runCommand(PRAMO_CLI, {"payment", "duplicate", "--payment", "2", "--data", d});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "6\n");
    EXPECT_EQ(raw.value("SELECT COUNT(*) FROM DOHOCI WHERE ISPLATA = 6"), "6");
    const std::string taken = raw.value("SELECT RSID FROM ISPLATE WHERE OZNAKA = 6");
    const std::string before = raw.value("SELECT COUNT(*) FROM ISPLATE") + raw.value("SELECT COUNT(*) FROM OBRACUN");
    const std::vector<std::string> refused[] = {{"--payment", "2", "--rsid", taken}, {"--payment", "99"},
                                                {"--payment", "2", "--rsid", "15x01"}, {"--payment", "2", "--date", "31.04.2015"}};
    for (const auto& args : refused) {
        std::vector<std::string> line{"payment", "duplicate", "--data", d};
        line.insert(line.end(), args.begin(), args.end());
        r = runCommand(PRAMO_CLI, line);
        EXPECT_EQ(r.exitCode, 2) << args[1];
        EXPECT_FALSE(r.err.empty());
    }
    EXPECT_EQ(raw.value("SELECT COUNT(*) FROM ISPLATE") + raw.value("SELECT COUNT(*) FROM OBRACUN"), before);
}

}  // namespace
}  // namespace pramo::test
