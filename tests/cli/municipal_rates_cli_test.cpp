// The municipal income-tax rates from the command line, and books of the earlier version opened by
// this one: upgraded once, with a copy beside, and every document the same as before.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "payments/positions.h"
#include "support/earlier_books.h"
#include "support/office.h"
#include "support/raw_db.h"
#include "support/run_command.h"
#include "support/test_data.h"

namespace pramo {
namespace {

std::string contents(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class RatesCli : public testing::Test {
protected:
    void SetUp() override {
        office.standardRegisters();
        ASSERT_EQ(upgradePositions(office.store()), StoreCode::Ok);  // as every program opening them does
    }

    test::CommandResult cli(std::vector<std::string> args) {
        args.insert(args.end(), {"--data", data.dir.path().string()});
        return test::runCommand(PRAMO_CLI, args);
    }
    std::string file(const char* name) const { return data.dir.file(name); }

    test::TestData data;
    test::Office office{data.files};
};

// --od: needed with a FILE, not to be changed for the shipped table, from 2024 on, a real day.
TEST_F(RatesCli, ImportStopeAndItsDay) {
    std::ofstream(file("stope2026.tsv")) << "03735\tRIJEKA\t20\t25\n01333\tZAGREB\t23\t33\n";
    const std::string table = file("stope2026.tsv");
    const struct {
        std::vector<std::string> args;
        int exitCode;
        const char* says;
    } steps[] = {
        {{"import", "stope"}, 0, "STOPEOPCINA: dodano 2, promijenjeno 0, nepromijenjeno 0, preskočeno redaka 554"},
        {{"import", "stope", "--od", "01.03.2025"}, 0, "dodano 0, promijenjeno 0, nepromijenjeno 2"},
        {{"import", "stope", "--od", "01.01.2026"}, 2, "isporučene stope vrijede od 01.03.2025"},
        {{"import", "stope", table}, 2, "traži --od DD.MM.GGGG"},
        {{"import", "stope", table, "--od", "31.12.2023"}, 2, "stope općina uzimaju se od 01.01.2024 nadalje"},
        {{"import", "stope", table, "--od", "32.01.2026"}, 2, "nije datum DD.MM.GGGG"},
        {{"import", "opcine", "--od", "01.01.2026"}, 2, "--od ide samo uz import stope"},
        {{"import", "stope", table, "--od", "01.01.2026"}, 0, "dodano 1, promijenjeno 0, nepromijenjeno 0, preskočeno redaka 1"},
    };
    for (const auto& step : steps) {
        const test::CommandResult r = cli(step.args);
        SCOPED_TRACE(step.args.back());
        EXPECT_EQ(r.exitCode, step.exitCode) << r.out << r.err;
        EXPECT_NE((r.out + r.err).find(step.says), std::string::npos) << r.out << r.err;
    }
    EXPECT_EQ(test::RawDb(file("pramo.db")).value("SELECT count(*) FROM STOPEOPCINA"), "3");
}

// Books the earlier version kept, with payments in kuna and in euro: opened by any command, they are
// upgraded once (the copy beside them), the check finds them sound, and every document is what it was.
TEST_F(RatesCli, BooksOfTheEarlierVersionGiveTheSameDocuments) {
    const Date days[] = {test::date(2015, 3, 10), test::date(2022, 12, 20), test::date(2023, 1, 10), test::date(2026, 1, 15)};
    const char* rsids[] = {"15069", "22354", "23010", "26015"};
    for (std::int32_t p = 1; p <= 4; ++p) {
        office.add(Isplate{.oznaka = p, .isplatitelj = 1, .rsid = rsids[p - 1], .datum = days[p - 1],
                           .godina = std::to_string(days[p - 1].year())});
        office.item({.oznaka = 2 * p - 1, .rednibroj = 1, .isplata = p, .djelatnik = 1, .vrstadohotka = 1, .neto = test::money("1000")}, 1);
        office.item({.oznaka = 2 * p, .rednibroj = 2, .isplata = p, .djelatnik = 2, .vrstadohotka = 2, .neto = test::money("500")}, 1);
    }
    std::vector<std::vector<std::string>> documents{{"opcine"}, {"vrste"}};
    for (int p = 1; p <= 4; ++p) {
        const std::string n = std::to_string(p), year = std::to_string(days[p - 1].year()), month = std::to_string(days[p - 1].month());
        for (const char* name : {"joppd-a", "joppd-b", "rsm-a", "rsm-b", "hub3", "hub3a", "obrisplate"}) documents.push_back({name, "--payment", n});
        documents.push_back({"obracun", "--item", std::to_string(2 * p)});
        documents.push_back({"idd", "--payer", "1", "--year", year, "--month", month});
        documents.push_back({"potvrde", "--payer", "1", "--year", year, "--date", "31.01.2027"});
        documents.push_back({"id1", "--payer", "1", "--year", year});
    }
    const auto texts = [&] {
        std::map<std::string, std::string> out;
        for (std::vector<std::string> args : documents) {
            std::string name;
            for (const std::string& a : args) name += a + " ";
            args.insert(args.begin(), "report");
            args.insert(args.end(), {"--text", file("out.txt")});
            const test::CommandResult r = cli(args);
            EXPECT_EQ(r.exitCode, 0) << name << r.err;
            out[name] = contents(file("out.txt"));
        }
        return out;
    };
    const auto before = texts();
    EXPECT_NE(before.at("idd --payer 1 --year 2022 --month 12 ").find("(iznosi u kunama i lipama)"), std::string::npos);
    EXPECT_NE(before.at("idd --payer 1 --year 2023 --month 1 ").find("(iznosi u eurima i centima)"), std::string::npos);
    EXPECT_NE(before.at("id1 --payer 1 --year 2022 ").find("- u kunama i lipama -"), std::string::npos);
    EXPECT_NE(before.at("rsm-b --payment 3 ").find("(IZNOSI U EURIMA S CENTIMA)"), std::string::npos);
    data.store.closeDatabase();
    ASSERT_TRUE(test::makeEarlierBooks(file("pramo.db")));

    const test::CommandResult check = test::runCommand(PRAMO_CLI, {"check", data.dir.path().string()});
    EXPECT_EQ(check.exitCode, 0) << check.out << check.err;
    EXPECT_NE(check.err.find("Podaci su prilagođeni ovoj inačici programa"), std::string::npos) << check.err;
    EXPECT_NE(check.out.find("sve datoteke su ispravne"), std::string::npos) << check.out;
    EXPECT_TRUE(std::filesystem::exists(file("pramo.db.prije-nadogradnje")));
    const auto after = texts();
    for (const auto& [name, text] : before) EXPECT_EQ(after.at(name), text) << name;
}

}  // namespace
}  // namespace pramo
