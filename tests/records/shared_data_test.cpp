// The program's shared data directory: found beside an installed program before a build tree's
// copy, and every delivered file read from it as it stands in data/.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "records/store/refdata.h"
#include "support/temp_dir.h"

namespace pramo {
namespace {

namespace fs = std::filesystem;

TEST(SharedData, InstalledPlaceComesBeforeTheBuildTreesCopy) {
    struct Case {
        const char* what;
        std::vector<const char*> dirs;  // made under a fresh root
        const char* program;
        const char* found;  // empty: none
    } const cases[] = {
        {"installed", {"usr/bin", "usr/share/pramo"}, "usr/bin", "usr/share/pramo"},
        {"build tree", {"build/share/pramo"}, "build", "build/share/pramo"},
        {"both", {"usr/bin/share/pramo", "usr/share/pramo"}, "usr/bin", "usr/share/pramo"},
        {"neither", {"opt/bin", "opt/pramo"}, "opt/bin", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::TempDir root;
        for (const char* d : c.dirs) fs::create_directories(root.path() / d);
        const auto found = refdata::directoryFor(root.path() / c.program);
        EXPECT_EQ(found.value_or(root.path()), *c.found ? root.path() / c.found : root.path());
    }
    test::TempDir root;  // a file where the directory should be is not it
    fs::create_directories(root.path() / "usr/bin");
    fs::create_directories(root.path() / "usr/share");
    std::ofstream(root.path() / "usr/share/pramo") << "not a directory\n";
    EXPECT_EQ(refdata::directoryFor(root.path() / "usr/bin"), std::nullopt);
}

std::string sourceFile(const fs::path& name) {
    std::ifstream in(fs::path(PRAMO_TEST_DIR) / ".." / "data" / name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The tests run from the build tree, whose copy is data/ itself: each delivered file (schemas in
// their folders too) reads as it stands there, and a second read gives the text kept.
TEST(SharedData, EveryDeliveredFileReadsAsInData) {
    for (const char* name : {"pozicije.tsv", "sifre_opcina_gradova.tsv", "xsd/joppd/ObrazacJOPPD-v1-1.xsd"})
        EXPECT_TRUE(refdata::delivered(name)) << name;
    for (std::string_view name : refdata::deliveredFiles()) {
        SCOPED_TRACE(name);
        const refdata::FileText file = refdata::read(name);
        ASSERT_TRUE(file.ok()) << file.problem;
        EXPECT_EQ(file.text, sourceFile(name));
        EXPECT_EQ(refdata::read(name).text.data(), file.text.data());
    }
    const refdata::FileText absent = refdata::read("nema.tsv");
    EXPECT_FALSE(absent.ok());
    EXPECT_EQ(absent.problem, "the program delivers no file nema.tsv");
}

}  // namespace
}  // namespace pramo
