#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "records/layouts/id1.h"
#include "support/office.h"
#include "support/raw_db.h"
#include "support/run_command.h"
#include "support/test_data.h"

namespace pramo {
namespace {

// A payment of 2015 with one item and the ID-1 header 1 of that year, in a data directory the
// command opens after the store here has closed it.
class Id1Cli : public testing::Test {
protected:
    void SetUp() override {
        test::Office office(data.files);
        office.standardRegisters();
        office.add(Isplate{.oznaka = 1, .isplatitelj = 1, .rsid = "15074", .datum = test::date(2015, 3, 15), .godina = "2015"});
        office.item({.oznaka = 1, .rednibroj = 1, .isplata = 1, .djelatnik = 1, .vrstadohotka = 1, .neto = test::money("1000.00")});
        office.add(Id1{.oznaka = 1, .isplatitelj = 1, .storno = "false", .godina = "2015", .konime = "Ana", .konprezime = "Kos"});
        data.store.closeDatabase();
        std::ofstream(data.dir.file("plain")) << "x";
    }
    test::CommandResult cli(std::vector<std::string> args) {
        args.insert(args.end(), {"--data", dir()});
        return test::runCommand(PRAMO_CLI, args);
    }
    std::string dir() const { return data.dir.path().string(); }
    std::string target() const { return data.dir.file("ID-1_12345678903_01.xml"); }

    test::TestData data;
};

TEST_F(Id1Cli, WritesTheReturnAndPrintsItsPath) {
    const test::CommandResult r = cli({"id1", "xml", "--header", "1"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, target() + "\n");
    EXPECT_TRUE(std::filesystem::is_regular_file(target()));
}

TEST_F(Id1Cli, RefusedWithNothingWritten) {
    const struct { std::vector<std::string> args; const char* says; } cases[] = {
        {{"id1", "xml", "--header", "2"}, "ID-1 obrazac 2 ne postoji"},
        {{"id1", "xml", "--header", "1", "--out", dir() + "/plain/sub"}, "nije moguće snimiti"},
        {{"id1", "xml", "--header", "x"}, "--header traži"},
        {{"id1", "xml"}, "traži --header"},
        {{"id1", "pdf", "--header", "1"}, "id1 xml"},
    };
    for (const auto& c : cases) {
        const test::CommandResult r = cli(c.args);
        EXPECT_EQ(r.exitCode, 2) << c.says;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
    EXPECT_FALSE(std::filesystem::exists(target()));
}

TEST_F(Id1Cli, FormsAsReports) {
    const struct { std::vector<std::string> args; } cases[] = {
        {{"report", "id1", "--payer", "1", "--year", "2015"}},
        {{"report", "rsm-a", "--payment", "1", "--printer", "M"}},
        {{"report", "rsm-b", "--payment", "1"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"--text", data.dir.file("page.txt")});
        const test::CommandResult r = cli(args);
        EXPECT_EQ(r.exitCode, 0) << c.args[1] << ": " << r.err;
        EXPECT_NE(r.out.find("stranica: 1, zapisano u "), std::string::npos) << r.out;
    }
}

// An item whose payee another program removed: the return is not written (it would leave the
// payee's income out and still say it was written), nor are the forms and orders made of it.
TEST_F(Id1Cli, NothingIsMadeOfAnItemWithoutItsPayee) {
    ASSERT_EQ(test::RawDb(data.dir.file("pramo.db")).exec("DELETE FROM OSOBE WHERE OZNAKA = 1"), 0);
    const std::string says = "Primatelj 1 stavke br. 1 isplate 1 nije upisan u registar primatelja.";
    const struct { std::vector<std::string> args; int exitCode; } cases[] = {
        {{"id1", "xml", "--header", "1"}, 2},
        {{"report", "id1", "--payer", "1", "--year", "2015", "--text", data.dir.file("page.txt")}, 1},
        {{"report", "hub3", "--payment", "1", "--text", data.dir.file("page.txt")}, 1},
    };
    for (const auto& c : cases) {
        const test::CommandResult r = cli(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args[1];
        EXPECT_NE(r.err.find(says), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
    EXPECT_FALSE(std::filesystem::exists(target()));
    EXPECT_FALSE(std::filesystem::exists(data.dir.file("page.txt")));
}

}  // namespace
}  // namespace pramo
