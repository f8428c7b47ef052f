// pramo-cli import, run as a new user runs it.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/raw_db.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

namespace pramo {
namespace {

using test::runCommand;

TEST(CliImport, ShippedMunicipalitiesGiveOneRecordPerCodeWithTheirAccounts) {
    test::TempDir dir;
    ASSERT_EQ(runCommand(PRAMO_CLI, {"init", dir.path().string()}).exitCode, 0);
    const std::string db = dir.file("pramo.db");
    EXPECT_EQ(test::RawDb(db).value("SELECT count(*) FROM OPCINE"), "0");  // not loaded without being asked
    const char* summary = "SELECT count(*) || '/' || count(DISTINCT SHIFRA) || '/' || sum(RACUNPOREZ GLOB '[0-9]*' "
                          "AND length(RACUNPOREZ) = 10) || '/' || sum(RKONT GLOB 'HR[0-9][0-9]') || '/' || "
                          "sum(SHIFRA GLOB '99[0-9][0-9][0-9]' AND RACUNPOREZ = '' AND RKONT = '') FROM OPCINE";
    for (int run = 0; run < 2; ++run) {
        const auto r = runCommand(PRAMO_CLI, {"import", "opcine", "--data", dir.path().string()});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(test::RawDb(db).value(summary), "569/569/556/556/13") << "run " << run;  // the 13 countries without account
    }
    EXPECT_EQ(test::RawDb(db).value("SELECT RACUNPOREZ || RKONT FROM OPCINE WHERE SHIFRA = '1333'"), "1713312009HR11");
}

// The starter income types: loaded only when asked, once however often asked; a file of one's own
// with a bad line is named and writes nothing.
TEST(CliImport, StarterIncomeTypesOnceAndABadFileNotAtAll) {
    test::TempDir dir;
    ASSERT_EQ(runCommand(PRAMO_CLI, {"init", dir.path().string()}).exitCode, 0);
    const std::string db = dir.file("pramo.db");
    EXPECT_EQ(test::RawDb(db).value("SELECT count(*) FROM VRSTEDOH"), "0");
    for (const char* said : {"VRSTEDOH: dodano 6,", "VRSTEDOH: dodano 0, promijenjeno 0, nepromijenjeno 6,"}) {
        const auto r = runCommand(PRAMO_CLI, {"import", "vrste", "--data", dir.path().string()});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_NE(r.out.find(said), std::string::npos) << r.out;
    }
    EXPECT_EQ(test::RawDb(db).value("SELECT group_concat(REZSTRINGA || REZSTRINGB, ' ') FROM VRSTEDOH"),
              "024030 024001 024002 024010 000000 000000");
    std::ofstream(dir.file("vrste.tsv")) << "OZNAKA\tNAZIV\tREZSTRINGB\n7\tNova\t4001\n8\tKriva\t9999\n";
    const auto r = runCommand(PRAMO_CLI, {"import", "vrste", dir.file("vrste.tsv"), "--data", dir.path().string()});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("redak 3: oznake primitka '9999' nema u šifrarniku"), std::string::npos) << r.err;
    EXPECT_EQ(test::RawDb(db).value("SELECT count(*) FROM VRSTEDOH"), "6");
}

TEST(CliImport, AFileWithAnErrorImportsNothingAndNamesTheLine) {
    test::TempDir dir;
    ASSERT_EQ(runCommand(PRAMO_CLI, {"init", dir.path().string()}).exitCode, 0);
    std::ofstream(dir.file("opcine.tsv")) << "01333\tZAGREB\t1333\t18\n04090\tSPLIT\t4090\t10 %\n";
    std::ofstream(dir.file("osobe.csv")) << "PREZIME,IME,BANKA\nHorvat,Ivan,9999999\n";
    auto r = runCommand(PRAMO_CLI, {"import", "opcine", dir.file("opcine.tsv"), "--data", dir.path().string()});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("redak 2: stopa prireza '10 %'"), std::string::npos) << r.err;
    r = runCommand(PRAMO_CLI, {"import", "osobe", dir.file("osobe.csv")}, dir.path().string());
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("redak 2: nijedna banka nema vodeći broj '9999999'"), std::string::npos) << r.err;
    EXPECT_EQ(test::RawDb(dir.file("pramo.db")).value("SELECT count(*) FROM OPCINE") +
                  test::RawDb(dir.file("pramo.db")).value("SELECT count(*) FROM OSOBE"), "00");
    for (const std::vector<std::string>& args : {std::vector<std::string>{"import"}, {"import", "osobe"},
                                                 {"import", "osobe", dir.file("missing.csv")}, {"import", "mjesta"}}) {
        EXPECT_EQ(runCommand(PRAMO_CLI, args, dir.path().string()).exitCode, 2) << args.back();
    }
}

// What is not a file of the register, or not books to import into, is refused before anything
// is written; an import never makes a data directory (a mistyped --data leaves none behind).
TEST(CliImport, RefusedBeforeAnythingIsWritten) {
    test::TempDir dir;
    ASSERT_EQ(runCommand(PRAMO_CLI, {"init", dir.file("books")}).exitCode, 0);
    std::filesystem::create_directory(dir.file("folder"));
    std::ofstream(dir.file("opcine.tsv")) << "01333\tZAGREB\t1333\t18\n";
    const struct {
        std::vector<std::string> args;
        const char* says;
    } cases[] = {
        {{"import", "opcine", dir.file("folder"), "--data", dir.file("books")}, "folder je mapa, a ne datoteka"},
        {{"import", "osobe", dir.file("folder"), "--data", dir.file("books")}, "folder je mapa, a ne datoteka"},
        {{"import", "opcine", dir.file("opcine.tsv"), "--data", dir.file("bookz")}, "bookz"},
        {{"import", "opcine", "--data", dir.file("bookz")}, "bookz"},
        {{"import", "opcine", dir.file("opcine.tsv"), "--data", dir.file("folder")}, "folder"},
    };
    for (const auto& c : cases) {
        const auto r = runCommand(PRAMO_CLI, c.args);
        EXPECT_EQ(r.exitCode, 2) << r.err;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("bookz")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("folder/pramo.db")));
    EXPECT_EQ(test::RawDb(dir.file("books/pramo.db")).value("SELECT count(*) FROM OPCINE"), "0");
}

}  // namespace
}  // namespace pramo
