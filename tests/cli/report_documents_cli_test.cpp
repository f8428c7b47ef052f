#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "reports/position_sums.h"
#include "support/office.h"
#include "support/run_command.h"
#include "support/test_data.h"

namespace pramo {
namespace {

// The certificates, the IDD form and the calculation listings from the command line, over an
// office with one March payment of payer 1 to payees 1 and 2.
class DocumentsCli : public testing::Test {
protected:
    void SetUp() override {
        office.standardRegisters();
        office.add(Isplate{.oznaka = 1, .isplatitelj = 1, .rsid = "15069", .datum = test::date(2015, 3, 10), .godina = "2015"});
        office.item({.oznaka = 1, .rednibroj = 1, .isplata = 1, .djelatnik = 1, .vrstadohotka = 1, .neto = test::money("1000")});
        office.item({.oznaka = 2, .rednibroj = 2, .isplata = 1, .djelatnik = 2, .vrstadohotka = 2, .neto = test::money("500")});
    }
    test::CommandResult report(std::vector<std::string> args) {
        args.insert(args.begin(), {"report"});
        args.insert(args.end(), {"--data", data.dir.path().string()});
        return test::runCommand(PRAMO_CLI, args);
    }
    std::string file(const char* name) const { return data.dir.file(name); }
    static std::string contents(const std::string& path) {
        std::ifstream in(path);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    test::TestData data;
    test::Office office{data.files};
};

TEST_F(DocumentsCli, EachDocumentAsText) {
    const struct {
        std::vector<std::string> args;
        std::vector<const char*> texts;
    } cases[] = {
        {{"potvrde", "--payer", "1", "--year", "2015", "--date", "20.01.2016"},
         {"POTVRDA", "Ivan Horvat", "Ana Kovačević", "SVEUKUPNO", "Zagreb, 20.01.2016", "11 (4-7-10)"}},
        {{"potvrde", "--payer", "1", "--year", "2015", "--payee", "2"}, {"Ana Kovačević", "Autorski honorar", "1."}},
        {{"potvrde-kriznica", "--payer", "1", "--year", "2015"}, {"12 (4-7-10-11)"}},
        {{"idd", "--payer", "1", "--year", "2015", "--month", "3"}, {"OBRAZAC IDD", "U MJESECU 3.  2015. GODINE", "BROJ PRIMATELJA"}},
        {{"obracun", "--item", "1"}, {"Rekapitulacija za: Ivan Horvat", "Prirez po stopi od 18%", "Bruto + Zdravstveno osiguranje"}},
        {{"obrisplate", "--payment", "1"}, {"Rekapitulacija za isplatu:", "Bruto + Zdravstveno osiguranje"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"--text", file("out.txt")});
        const test::CommandResult r = report(args);
        ASSERT_EQ(r.exitCode, 0) << c.args[0] << ": " << r.err;
        const std::string text = contents(file("out.txt"));
        for (const char* t : c.texts) EXPECT_NE(text.find(t), std::string::npos) << c.args[0] << ": " << t;
    }
}

TEST_F(DocumentsCli, MonthWithOrWithoutALeadingZero) {
    ASSERT_EQ(report({"idd", "--payer", "1", "--year", "2015", "--month", "3", "--text", file("a.txt")}).exitCode, 0);
    ASSERT_EQ(report({"idd", "--payer", "1", "--year", "2015", "--month", "03", "--text", file("b.txt")}).exitCode, 0);
    EXPECT_EQ(contents(file("a.txt")), contents(file("b.txt")));
    const Money gross1 = office.line(1, Pozicija::Bruto), gross2 = office.line(2, Pozicija::Bruto);
    const std::string gross = printAmount(Total(gross1) + Total(gross2));
    EXPECT_NE(contents(file("a.txt")).find(gross), std::string::npos) << "the month's gross " << gross << " is on the form";
}

TEST_F(DocumentsCli, RefusedOrNothingToPrint) {
    const struct {
        std::vector<std::string> args;
        int exit;
        const char* message;
    } cases[] = {
        {{"potvrde", "--payer", "1"}, 2, "traži --year"},
        {{"idd", "--payer", "1", "--year", "2015"}, 2, "traži --month"},
        {{"idd", "--payer", "1", "--year", "2015", "--month", "13"}, 2, "--month traži cijeli broj od 1 do 12"},
        {{"potvrde", "--payer", "1", "--year", "2015", "--date", "32.01.2016"}, 2, "--date traži dan"},
        {{"obracun", "--payment", "1"}, 2, "neočekivani argument"},
        {{"potvrde", "--payer", "1", "--year", "2015", "--payee", "3"}, 1, "nema ništa za ispis"},
        {{"obrisplate", "--payment", "9"}, 1, "nema ništa za ispis"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"--text", file("x.txt")});
        const test::CommandResult r = report(args);
        EXPECT_EQ(r.exitCode, c.exit) << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
}

}  // namespace
}  // namespace pramo
