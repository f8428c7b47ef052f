// Every command reads its line alike: an option given twice, an option without its value, an
// unknown option, a word too many and an argument that is not UTF-8 are refused with exit 2, in
// the program's Croatian, before anything is made.

#include <gtest/gtest.h>

#include <filesystem>

#include "support/run_command.h"
#include "support/temp_dir.h"

namespace pramo {
namespace {

TEST(CommandLine, EveryCommandRefusesRepeatedMissingAndUnknownOptions) {
    test::TempDir dir;
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"report", "opcine", "--text", "x", "--text", "y"}, "--text je zadan dvaput"},
        {{"report", "opcine", "--data", "a", "--data", "b", "--pdf", "x"}, "--data je zadan dvaput"},
        {{"report", "opcine", "--pdf", "--text", "x"}, "--pdf traži vrijednost"},
        {{"report", "opcine", "--text", ""}, "--text traži vrijednost"},
        {{"report", "opcine", "--payment", "1", "--text", "x"}, "neočekivani argument '--payment'"},
        {{"report", "opcine", "vrste", "--text", "x"}, "neočekivani argument 'vrste'"},
        {{"report", "hub3", "--payment", "1", "--payment", "2", "--text", "x"}, "--payment je zadan dvaput"},
        {{"calc", "--data", "a", "--data", "b", "--item", "1"}, "--data: zadan je dvaput"},
        {{"calc", "--json", "--json", "--net", "1"}, "--json: zadan je dvaput"},
        {{"import", "opcine", "--data", "a", "--data", "b"}, "--data je zadan dvaput"},
        {{"import", "osobe", "a.csv", "b.csv"}, "neočekivani argument 'b.csv'"},
        {{"import", "opcine", ""}, "neočekivani argument ''"},
        {{"joppd", "create", "--payment", "1", "--payment", "2"}, "--payment je zadan dvaput"},
        {{"joppd", "xml", "--submission", "1", "--out", "a", "--out", "b"}, "--out je zadan dvaput"},
        {{"payment", "duplicate", "--payment", "1", "--date", "01.02.2015", "--date", "02.02.2015"}, "--date je zadan dvaput"},
        {{"payment", "duplicate", "--payment", "1", "--copies", "2"}, "neočekivani argument '--copies'"},
        {{"id1", "xml", "--header", "1", "--header", "2"}, "--header je zadan dvaput"},
        {{"id1", "xml", "--header", "--data", "a"}, "--header traži vrijednost"},
        {{"init", "a", "b"}, "previše argumenata"},
        {{"demo", "a", "b"}, "previše argumenata"},
        {{"check", "--data"}, "nepoznata opcija --data"},
        // Where the books are: every command takes --database URI, once, and only a server's URI.
        {{"check", "--database"}, "--database traži vrijednost"},
        {{"init", "--database", "postgres:///a", "--database", "postgres:///b"}, "--database je zadan dvaput"},
        {{"demo", "--database", "pramo.db"}, "--database: 'pramo.db' nije URI poslužitelja PostgreSQL"},
        {{"payment", "duplicate", "--payment", "1", "--database", "/x/pramo.db"}, "nije URI poslužitelja"},
        {{"joppd", "xml", "--submission", "1", "--database", "mysql://ana:tajna@h/x"}, "'mysql://ana@h/x' nije URI"},
        {{"report", "opcine", "--text", "x", "--database", "x"}, "nije URI poslužitelja"},
        {{"calc", "--item", "1", "--database", "x"}, "nije URI poslužitelja"},
        {{"calc", "--item", "1"}, "--item N traži --data DIR ili --database URI"},
        {{"import", "opcine", "--database", "x"}, "nije URI poslužitelja"},
        {{"id1", "xml", "--header", "1", "--database", "x"}, "nije URI poslužitelja"},
        {{"copy", "--from", "a"}, "zadajte --from DIR|URI i --to DIR|URI"},
        {{"copy", "--from", "a", "--to", "b", "--data", "c"}, "neočekivani argument '--data'"},
        // A name or value that is not UTF-8 (a file would be written under another name).
        {{"report", "opcine", "--pdf", "a\xff.pdf"}, "argument 'a\uFFFD.pdf' nije UTF-8 tekst"},
        {{"report", "opcine", "--text", "\xc0\xaf"}, "argument '\uFFFD\uFFFD' nije UTF-8 tekst"},
        {{"joppd", "xml", "--submission", "1", "--out", "x\xed\xa0\x80"}, "nije UTF-8 tekst"},
        {{"id1", "xml", "--header", "1", "--out", "\xfe"}, "nije UTF-8 tekst"},
        {{"joppd", "create", "--payment", "1", "--author", "Ana \xe8"}, "nije UTF-8 tekst"},
        {{"import", "osobe", "\xff.csv"}, "nije UTF-8 tekst"},
        {{"calc", "--data", "\xff", "--item", "1"}, "nije UTF-8 tekst"},
        {{"init", "\xff"}, "nije UTF-8 tekst"},
    };
    for (const auto& c : cases) {
        const auto r = test::runCommand(PRAMO_CLI, c.args, dir.path().string());
        EXPECT_EQ(r.exitCode, 2) << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << c.message << "\n" << r.err;
        for (const char* english : {" the ", " not ", "needs", "given", "unexpected", "unknown", "cannot", "rror", " is "})
            EXPECT_EQ(r.err.find(english), std::string::npos) << english << " in: " << r.err;
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

}  // namespace
}  // namespace pramo
