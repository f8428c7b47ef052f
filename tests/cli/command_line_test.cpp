// Every command reads its line alike: an option given twice, an option without its value, an
// unknown option and a word too many are refused with exit 2 before anything is made.

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
        {{"report", "opcine", "--text", "x", "--text", "y"}, "--text is given twice"},
        {{"report", "opcine", "--data", "a", "--data", "b", "--pdf", "x"}, "--data is given twice"},
        {{"report", "opcine", "--pdf", "--text", "x"}, "--pdf needs a value"},
        {{"report", "opcine", "--text", ""}, "--text needs a value"},
        {{"report", "opcine", "--payment", "1", "--text", "x"}, "unexpected argument '--payment'"},
        {{"report", "opcine", "vrste", "--text", "x"}, "unexpected argument 'vrste'"},
        {{"report", "hub3", "--payment", "1", "--payment", "2", "--text", "x"}, "--payment is given twice"},
        {{"calc", "--data", "a", "--data", "b", "--item", "1"}, "--data: given twice"},
        {{"calc", "--json", "--json", "--net", "1"}, "--json: given twice"},
        {{"import", "opcine", "--data", "a", "--data", "b"}, "--data is given twice"},
        {{"import", "osobe", "a.csv", "b.csv"}, "unexpected argument 'b.csv'"},
        {{"import", "opcine", ""}, "unexpected argument ''"},
        {{"joppd", "create", "--payment", "1", "--payment", "2"}, "--payment is given twice"},
        {{"joppd", "xml", "--submission", "1", "--out", "a", "--out", "b"}, "--out is given twice"},
        {{"payment", "duplicate", "--payment", "1", "--date", "01.02.2015", "--date", "02.02.2015"}, "--date is given twice"},
        {{"payment", "duplicate", "--payment", "1", "--copies", "2"}, "unexpected argument '--copies'"},
        {{"id1", "xml", "--header", "1", "--header", "2"}, "--header is given twice"},
        {{"id1", "xml", "--header", "--data", "a"}, "--header needs a value"},
        {{"init", "a", "b"}, "too many arguments"},
        {{"demo", "a", "b"}, "too many arguments"},
        {{"check", "--data"}, "unknown option --data"},
    };
    for (const auto& c : cases) {
        const auto r = test::runCommand(PRAMO_CLI, c.args, dir.path().string());
        EXPECT_EQ(r.exitCode, 2) << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << c.message << "\n" << r.err;
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

}  // namespace
}  // namespace pramo
