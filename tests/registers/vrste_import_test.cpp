// Importing income types: the starter set delivered with the program, once; a line that cannot
// be taken is named and nothing is written.

#include <gtest/gtest.h>

#include "records/layouts/neoporez.h"
#include "records/layouts/vbrat.h"
#include "records/layouts/vrstedoh.h"
#include "records/store/read_linked.h"
#include "registers/income_type_codes.h"
#include "registers/vrste_import.h"
#include "support/office.h"
#include "support/test_data.h"

namespace pramo {
namespace {

using test::rate;

class VrsteImport : public ::testing::Test {
protected:
    void SetUp() override {
        for (const TableDef* t : {&Vrstedoh::table, &Vbrat::table, &Neoporez::table})
            ASSERT_EQ(data.files.open(*t), StoreCode::Ok);
    }
    std::int64_t types() {
        std::int64_t n = -1;
        EXPECT_EQ(data.store.count(Vrstedoh::table, n), StoreCode::Ok);
        return n;
    }
    Vrstedoh type(std::int32_t number) {
        Vrstedoh vrs;
        EXPECT_EQ(readLinked(data.store, number, vrs), StoreCode::Ok) << number;
        return vrs;
    }

    test::TestData data;
};

// The starter set: today's contributions and the JOPPD codes of each type; a second import adds
// nothing, and a type the user changed meanwhile stays as the user has it.
TEST_F(VrsteImport, TheStarterSetLoadsOnce) {
    const refdata::FileText shipped = shippedIncomeTypes();
    ASSERT_TRUE(shipped.ok()) << shipped.problem;
    const ImportOutcome first = importVrste(data.store, shipped.text);
    ASSERT_TRUE(first.written()) << (first.problems.empty() ? "" : first.problems.front());
    EXPECT_EQ(first.added, 6);
    const Vrstedoh contract = type(1), author = type(2), perDiem = type(5);
    EXPECT_EQ(contract.naziv, "Ugovor o djelu");
    EXPECT_EQ(contract.mirovinskoistup, rate("7.5"));
    EXPECT_EQ(contract.mirovinskoiistup, rate("2.5"));
    EXPECT_EQ(contract.zdravstvenoosiguranje, rate("7.5"));
    EXPECT_EQ(contract.rezstringa.str() + "/" + contract.rezstringb.str(), "02/4030");
    EXPECT_EQ(author.priznatitroskovi, rate("30"));
    EXPECT_EQ(perDiem.rezstringa.str() + "/" + perDiem.rezstringb.str(), "00/0000");
    EXPECT_EQ(nonTaxableCode(perDiem), 17);
    EXPECT_EQ(perDiem.neoporezividio, rate("100"));

    Vrstedoh changed = type(2);
    changed.priznatitroskovi = rate("25");
    ASSERT_EQ(data.store.put(changed), StoreCode::Ok);
    const ImportOutcome again = importVrste(data.store, shipped.text);
    ASSERT_TRUE(again.written());
    EXPECT_EQ(again.added, 0);
    EXPECT_EQ(again.unchanged, 5);
    EXPECT_EQ(again.remarks, std::vector<std::string>{"vrsta dohotka 'Autorski honorar' već je upisana (oznaka 2) i ostaje kakva jest"});
    EXPECT_EQ(types(), 6);
    EXPECT_EQ(type(2).priznatitroskovi, rate("25"));
}

// A new type keeps the number the file gives it when that is free, else follows the highest.
TEST_F(VrsteImport, ANumberTakenGivesTheNextAfterTheHighest) {
    for (const std::uint8_t n : {std::uint8_t{1}, std::uint8_t{9}}) {
        Vrstedoh own{.oznaka = n, .naziv = "Vlastita " + std::to_string(n), .rezstringa = "02", .rezstringb = "4030"};
        ASSERT_EQ(data.store.add(own), StoreCode::Ok);
    }
    const ImportOutcome out = importVrste(data.store, "OZNAKA\tNAZIV\tREZSTRINGB\n1\tNova\t4001\n4\tTreća\t4002\n");
    ASSERT_TRUE(out.written()) << (out.problems.empty() ? "" : out.problems.front());
    EXPECT_EQ(type(10).naziv, "Nova");
    EXPECT_EQ(type(10).rezstringa, "02");  // a blank recipient code takes the code book's
    EXPECT_EQ(type(4).naziv, "Treća");
}

TEST_F(VrsteImport, ALineThatCannotBeTakenIsNamedAndNothingIsWritten) {
    const std::string heading = "OZNAKA\tNAZIV\tREZSTRINGA\tREZSTRINGB\tREZDECIMALA\tPOREZNASTOPA\n";
    const std::string good = "1\tUgovor o djelu\t02\t4030\t0\t20\n";
    struct Case {
        std::string file;
        const char* problem;
    } const cases[] = {
        {"OZNAKA\tNAZIV\tSTOPA\n", "redak 1: stupac 'STOPA' nije polje vrste dohotka"},
        {"OZNAKA\tNAZIV\tNAZIV\n", "redak 1: stupac NAZIV naveden je dvaput"},
        {"OZNAKA\tPOREZNASTOPA\n1\t20\n", "redak 1: nema stupca NAZIV"},
        {heading + good + "2\tProba\t02\t4030\t0\t20,555\n", "redak 3: POREZNASTOPA '20,555' nije broj s najviše 2 decimale"},
        {heading + good + "256\tProba\t02\t4030\t0\t20\n", "redak 3: OZNAKA '256' nije broj bez decimala"},
        {heading + good + "0\tProba\t02\t4030\t0\t20\n", "redak 3: OZNAKA mora biti broj od 1 do 255"},
        {heading + good + "2\t\t02\t4030\t0\t20\n", "redak 3: NAZIV je prazan"},
        {heading + good + "2\t" + std::string(51, 'x') + "\t02\t4030\t0\t20\n", "redak 3: NAZIV 'xxxxxxxx"},
        {heading + good + "2\tProba\t01\t4030\t0\t20\n", codesDisagree},
        {heading + good + "2\tProba\t00\t0000\t0\t0\n", "nije odabrana oznaka neoporezivog primitka"},
        {heading + good + "2\tProba\t02\t9999\t0\t20\n", "redak 3: oznake primitka '9999' nema u šifrarniku"},
        {heading + good + "2\tProba\t00\t0000\t99\t0\n", "redak 3: neoporezivog primitka 99 nema u šifrarniku"},
        {heading + good + "2\tUgovor o djelu\t02\t4030\t0\t20\n", "redak 3: vrsta 'Ugovor o djelu' već je u retku 2"},
        {heading + good + "1\tProba\t02\t4030\t0\t20\n", "redak 3: OZNAKA 1 već je u retku 2"},
        {heading + good + "2\tProba\t02\t4030\t0\t20\t7\n", "redak 3: više stupaca nego u naslovnom retku (6)"},
        {heading + good + "2\tPro\x1B" "ba\t02\t4030\t0\t20\n", "redak 3: NAZIV se ne može uvesti: kontrolni znak U+001B"},
        {"# samo komentar\n", "u datoteci nema nijedne vrste dohotka"},
        {heading + "3\tPu\xE8ni\t02\t4030\t0\t20\n", "Windows-1250"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const ImportOutcome out = importVrste(data.store, c.file);
        ASSERT_FALSE(out.problems.empty());
        EXPECT_NE(out.problems.front().find(c.problem), std::string::npos) << out.problems.front();
        EXPECT_EQ(types(), 0);
    }
}

}  // namespace
}  // namespace pramo
