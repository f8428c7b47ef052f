#include <gtest/gtest.h>

#include <sstream>

#include "payments/lines.h"
#include "records/store/files.h"
#include "support/calc_data.h"
#include "support/raw_db.h"
#include "support/run_command.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"

namespace pramo {
namespace {

// Runs "pramo-cli calc" with the arguments as they are (no shell in between).
test::CommandResult cli(std::vector<std::string> args) {
    args.insert(args.begin(), "calc");
    return test::runCommand(PRAMO_CLI, args);
}

std::vector<std::string> words(const std::string& s) {
    std::istringstream in(s);
    std::vector<std::string> w;
    for (std::string x; in >> x;) w.push_back(x);
    return w;
}

// "1\t1439.26\n2\t0.00\n..." for the twelve amounts.
std::string table(const std::string& amounts) {
    std::string out;
    int p = 0;
    for (const std::string& a : words(amounts)) out += std::to_string(++p) + "\t" + a + "\n";
    return out;
}

const std::string example = "1439.26 0.00 431.78 1007.48 151.12 50.37 805.99 201.50 36.27 1000.00 151.12 0.00";
const std::string rates = "0:30:15:5:15:25";
const std::string brackets = "12@2200,25@8800,40@9999999.99";

TEST(CalcCommand, Calculates) {
    struct Row {
        std::vector<std::string> args;
        std::string lines;
    };
    const Row rows[] = {
        {{"--net", "1000", "--rates", rates, "--surtax", "18"}, example},
        {{"--surtax", "18,00", "--rates", "0:30,00:15:5:15:25", "--net", "1000,00"}, example},
        {{"--net", "1000", "--rates", rates, "--surtax", "18", "--pillar2", "DA"}, example},
        {{"--net", "1000", "--rates", rates, "--surtax", "18", "--pillar2", "NE"},
         "1439.26 0.00 431.78 1007.48 201.49 0.00 805.99 201.50 36.27 1000.00 151.12 0.00"},
        {{"--gross", "1500", "--rates", rates, "--surtax", "18"},
         "1500.00 0.00 450.00 1050.00 157.50 52.50 840.00 210.00 37.80 1042.20 157.50 0.00"},
        {{"--net", "5000", "--rates", "0:0:15:5:15:25", "--surtax", "18", "--brackets", brackets, "--allowance", "2200",
          "--factor", "1"},
         "7116.18 0.00 0.00 7116.18 1067.43 355.81 5692.94 587.24 105.70 5000.00 1067.43 2200.00"},
        {{"--net", "5000", "--rates", "0:0:15:5:15:25", "--surtax", "18", "--brackets",
          "12,00@2200,00,25,00@8800,00,40@9999999,99", "--allowance", "2200,00", "--factor", "1,00"},
         "7116.18 0.00 0.00 7116.18 1067.43 355.81 5692.94 587.24 105.70 5000.00 1067.43 2200.00"},
        {{"--net", "1500", "--rates", "0:0:15:5:15:25", "--surtax", "18", "--brackets", brackets, "--allowance", "2200",
          "--factor", "1"},
         "1875.00 0.00 0.00 1875.00 281.25 93.75 1500.00 0.00 0.00 1500.00 281.25 1500.00"},
        {{"--net", "-1000", "--rates", rates, "--surtax", "18"},
         "-1439.26 0.00 -431.78 -1007.48 -151.12 -50.37 -805.99 -201.50 -36.27 -1000.00 -151.12 0.00"},
        // From 2024 (the engine's case izr-2024-half): the tax 299,115 rounds to 299,12, no surtax.
        {{"--net", "1001.38", "--rates", "0:0:7.5:2.5:7.5:23", "--surtax", "none"},
         "1444.99 0.00 0.00 1444.99 108.37 36.12 1300.50 299.12 0.00 1001.38 108.37 0.00"},
    };
    for (const Row& row : rows) {
        const test::CommandResult r = cli(row.args);
        EXPECT_EQ(r.exitCode, 0) << row.lines << r.err;
        EXPECT_EQ(r.out, table(row.lines));
        EXPECT_EQ(r.err, "");
    }
}

TEST(CalcCommand, Json) {
    const test::CommandResult r = cli({"--net", "1000", "--rates", rates, "--surtax", "18", "--json"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "{\"1\": 1439.26, \"2\": 0.00, \"3\": 431.78, \"4\": 1007.48, \"5\": 151.12, \"6\": 50.37, "
                     "\"7\": 805.99, \"8\": 201.50, \"9\": 36.27, \"10\": 1000.00, \"11\": 151.12, \"12\": 0.00}\n");
}

// Bad input: exit code 2, nothing on stdout, and a message naming the argument.
TEST(CalcCommand, RefusesBadInput) {
    const std::vector<std::string> base{"--rates", rates, "--surtax", "18"};
    auto with = [&](std::vector<std::string> more) {
        more.insert(more.end(), base.begin(), base.end());
        return more;
    };
    struct Row {
        std::vector<std::string> args;
        std::string named;
    };
    const Row rows[] = {
        {{}, "--rates"},
        {{"--net", "1000", "--surtax", "18"}, "--rates"},
        {{"--net", "1000", "--rates", rates}, "--surtax"},
        {with({}), "--net"},
        {with({"--net", "1000", "--gross", "1500"}), "--gross"},
        {with({"--net", "abc"}), "--net 'abc'"},
        {with({"--net", "1.005"}), "--net '1.005'"},
        {with({"--net", "1.000,00"}), "--net '1.000,00'"},
        {with({"--net", "1000000000"}), "--net '1000000000'"},
        {with({"--net"}), "--net: traži vrijednost"},
        {with({"--net", "1", "--net", "2"}), "--net: zadan je dvaput"},
        {with({"--net", "1", "--bogus", "2"}), "--bogus: nepoznat argument"},
        {{"--net", "1", "--rates", "0:30:15:5:15", "--surtax", "18"}, "--rates '0:30:15:5:15'"},
        {{"--net", "1", "--rates", "0:30:-15:5:15:25", "--surtax", "18"}, "--rates '-15'"},
        {{"--net", "1", "--rates", rates, "--surtax", "1,5,"}, "--surtax '1,5,'"},
        {with({"--net", "1", "--pillar2", "X"}), "--pillar2 'X'"},
        {with({"--gross", "1", "--brackets", brackets, "--allowance", "2200", "--factor", "1"}), "--gross"},
        {with({"--net", "1", "--brackets", brackets}), "--allowance"},
        {with({"--net", "1", "--factor", "1", "--allowance", "2200"}), "--brackets"},
        {with({"--net", "1", "--brackets", "12@2200,5,25@8800", "--allowance", "1", "--factor", "1"}), "--brackets"},
        {with({"--net", "1", "--brackets", "25@8800,12@2200", "--allowance", "1", "--factor", "1"}), "--brackets"},
        {with({"--net", "1", "--brackets", "12", "--allowance", "1", "--factor", "1"}), "--brackets '12'"},
        {with({"--net", "1", "--item", "1"}), "--net"},
        {{"--item", "1"}, "--data"},
        {{"--data", "/nonexistent-pramo-dir", "--item", "1"}, "--data"},
        {{"--data", "/tmp", "--item", "x"}, "--item 'x'"},
        {with({"--net", "999999999.99"}), "--net '999999999.99'"},  // the gross does not fit
    };
    for (const Row& row : rows) {
        const test::CommandResult r = cli(row.args);
        EXPECT_EQ(r.exitCode, 2) << row.named;
        EXPECT_EQ(r.out, "") << row.named;
        EXPECT_NE(r.err.find(row.named), std::string::npos) << row.named << " not in: " << r.err;
    }
}

// Rates that cannot give a calculation are refused naming the option and the rates, before any
// line is printed: a rate above 100 %, shares above the whole gross, a negative net share.
TEST(CalcCommand, RefusesRatesThatCannotGiveACalculation) {
    const struct {
        std::vector<std::string> args;
        std::string message;
    } rows[] = {
        {{"--rates", "0:30:15:5:15:200", "--surtax", "18"}, "--rates '0:30:15:5:15:200': POREZ (porez na dohodak) 200.00 %"},
        {{"--rates", "0:30:60:50:15:25", "--surtax", "18"}, "MOI (mirovinsko I. stup) i MOII (mirovinsko II. stup) zajedno prelaze"},
        {{"--rates", "60:50:15:5:15:25", "--surtax", "18"}, "NEOP (neoporezivi dio) i PRIZN (priznati troškovi)"},
        {{"--rates", rates, "--surtax", "99999"}, "--surtax '99999': stopa prireza 99999.00 %"},
        {{"--rates", "0:0:0:0:15:100", "--surtax", "50"}, "--rates '0:0:0:0:15:100': NEOP, PRIZN, MOI, MOII i POREZ"},
        {{"--rates", rates, "--surtax", "50", "--brackets", "12@2200,80@8800", "--allowance", "2200", "--factor", "1"},
         "--brackets '12@2200,80@8800': stopa 2. razreda i stopa prireza daju negativan udio"},
    };
    for (const auto& row : rows) {
        std::vector<std::string> args{"--net", "1000"};
        args.insert(args.end(), row.args.begin(), row.args.end());
        const test::CommandResult r = cli(args);
        EXPECT_EQ(r.exitCode, 2) << row.message;
        EXPECT_EQ(r.out, "") << row.message;
        EXPECT_NE(r.err.find(row.message), std::string::npos) << r.err;
    }
}

TEST(CalcCommand, ZeroDivisorStillPrintsTheLines) {
    const test::CommandResult r = cli({"--net", "1000", "--rates", "0:0:60:40:15:25", "--surtax", "18"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, table("1000.00 0.00 0.00 1000.00 0.00 0.00 1000.00 0.00 0.00 1000.00 150.00 0.00"));
    EXPECT_NE(r.err.find("djelitelj"), std::string::npos);
}

class CalcItemCommand : public ::testing::Test {
protected:
    void SetUp() override {
        Store store;
        ASSERT_EQ(store.openDatabase(dir.file("pramo.db")), StoreCode::Ok);
        test::ScriptedMessages messages;
        Files files(store);
        test::fillCalcRegisters(files);
        test::addItem(store, 1, 1, 1, "1000.00");
        test::addItem(store, 2, 5, 1, "1000.00");  // payee 5 is not in the register
        ASSERT_EQ(writeLine(store, 1, Pozicija::Kriznica, *Money::parse("40.00")), StoreCode::Ok);
    }
    std::string stored(std::int32_t item) {
        Store store;
        EXPECT_EQ(store.openDatabase(dir.file("pramo.db")), StoreCode::Ok);
        std::vector<Obracun> lines;
        EXPECT_EQ(readLines(store, item, lines), StoreCode::Ok);
        std::string out;
        for (const Obracun& l : lines) out += std::to_string(l.pozicija) + "=" + l.iznos.toString() + " ";
        return out;
    }
    test::TempDir dir;
};

TEST_F(CalcItemCommand, RecalculatesAndWritesTheLines) {
    const test::CommandResult r = cli({"--data", dir.path().string(), "--item", "1"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, table(example));
    EXPECT_EQ(stored(1), "13=40.00 1=1439.26 2=0.00 3=431.78 4=1007.48 5=151.12 6=50.37 7=805.99 8=201.50 9=36.27 "
                         "10=1000.00 11=151.12 12=0.00 ");
}

TEST_F(CalcItemCommand, RefusesAnItemItCannotCalculate) {
    test::CommandResult r = cli({"--data", dir.path().string(), "--item", "2"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("Primatelj 5 nije upisan"), std::string::npos) << r.err;
    EXPECT_EQ(stored(2), "");
    r = cli({"--data", dir.path().string(), "--item", "3"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("--item 3"), std::string::npos) << r.err;
}

// Inputs changed with another tool: a value its field cannot hold, a rate no calculation can use.
TEST_F(CalcItemCommand, RefusesAnItemWhoseInputsAreNotValidValuesNamingThem) {
    const struct {
        const char* table;
        const char* column;
        const char* bad;
        const char* named;
    } rows[] = {
        {"DOHOCI", "NETO", "'abc'", "DOHOCI redak 1, NETO sadrži 'abc'"},
        {"VRSTEDOH", "POREZNASTOPA", "99999", "Stopa poreza 999,99 % nije između 0 i 100 %"},
        {"OPCINE", "STOPAPRIREZA", "'x'", "OPCINE redak 1, STOPAPRIREZA sadrži 'x'"},
    };
    test::RawDb raw(dir.file("pramo.db"));
    for (const auto& row : rows) {
        const std::string where = std::string(" WHERE _id = 1");
        const std::string old = raw.value(std::string("SELECT ") + row.column + " FROM " + row.table + where);
        const std::string set = std::string("UPDATE ") + row.table + " SET _ver = _ver + 1, " + row.column + " = ";
        ASSERT_EQ(raw.exec(set + row.bad + where), SQLITE_OK);
        const test::CommandResult r = cli({"--data", dir.path().string(), "--item", "1"});
        EXPECT_EQ(r.exitCode, 1) << row.named;
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(row.named), std::string::npos) << r.err;
        EXPECT_EQ(stored(1), "13=40.00 ");  // nothing written
        ASSERT_EQ(raw.exec(set + old + where), SQLITE_OK);
    }
}

// A name stored by another tool with an escape sequence and a bell is shown, never sent to the
// terminal as it is.
TEST_F(CalcItemCommand, StoredControlCharactersAreShownNotObeyed) {
    {
        test::RawDb raw(dir.file("pramo.db"));
        ASSERT_EQ(raw.exec("UPDATE MJESTA SET _ver = _ver + 1, OPCINA = 999, NAZIV = 'Zagreb' || char(27) || ']0;x' || char(7) "
                           "WHERE OZNAKA = 1"), SQLITE_OK);
    }
    const test::CommandResult r = cli({"--data", dir.path().string(), "--item", "1"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.err.find("Općina 999 mjesta Zagreb\uFFFD]0;x\uFFFD nije upisana"), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find('\x1b'), std::string::npos);
    EXPECT_EQ(r.err.find('\a'), std::string::npos);
}

}  // namespace
}  // namespace pramo
