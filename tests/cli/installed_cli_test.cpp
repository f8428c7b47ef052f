// pramo-cli as installed: the program in <root>/usr/bin reads its delivered files from
// <root>/usr/share/pramo, needs no build tree, and names the file it misses instead of making
// empty tables.

#include <gtest/gtest.h>

#include <filesystem>

#include "support/run_command.h"
#include "support/temp_dir.h"

namespace pramo::test {
namespace {

namespace fs = std::filesystem;

// A copy of the program and of data/ laid out as the package installs them.
struct Installation {
    TempDir root;
    fs::path program = root.path() / "usr/bin/pramo-cli";
    fs::path share = root.path() / "usr/share/pramo";

    Installation() {
        fs::create_directories(program.parent_path());
        std::error_code ec;
        fs::create_hard_link(PRAMO_CLI, program, ec);  // the same program, without copying it
        if (ec) fs::copy_file(PRAMO_CLI, program);
        fs::create_directories(share);
        fs::copy(fs::path(PRAMO_TEST_DIR) / ".." / "data", share, fs::copy_options::recursive);
    }
};

struct Step {
    std::vector<std::string> args;  // "BOOKS" stands for the data directory
    int exitCode;
    std::string says;  // found in what the step printed; "ROOT" stands for the installation's root
};

std::string replaced(std::string text, const std::string& mark, const std::string& by) {
    for (auto at = text.find(mark); at != std::string::npos; at = text.find(mark, at + by.size())) text.replace(at, mark.size(), by);
    return text;
}

void run(const Installation& in, const fs::path& books, const Step& step) {
    std::vector<std::string> args;
    for (const std::string& a : step.args) args.push_back(replaced(a, "BOOKS", books.string()));
    const CommandResult r = runCommand(in.program.string(), args, in.root.path().string());
    SCOPED_TRACE(step.args.front());
    EXPECT_EQ(r.exitCode, step.exitCode) << r.out << r.err;
    EXPECT_NE((r.out + r.err).find(replaced(step.says, "ROOT", in.root.path().string())), std::string::npos) << r.out << r.err;
}

TEST(InstalledCli, ReadsTheInstalledFilesAndNamesAMissingOne) {
    struct Case {
        const char* what;
        std::vector<Step> before;  // with every file installed
        const char* removed;        // under share/pramo; empty: all of it; null: nothing
        std::vector<Step> after;
    } const cases[] = {
        {"complete", {}, nullptr,
         {{{"--version"}, 0, "pramo-cli 1.01\nstope općina i šifarnici: stanje "},
          {{"demo", "BOOKS"}, 0, "primatelja: 25"},
          {{"check", "BOOKS"}, 0, "sve datoteke su ispravne"},
          {{"import", "opcine", "--data", "BOOKS"}, 0, "slogova u ROOT/knjige: 569"}}},
        {"no data directory", {}, "",
         {{{"import", "opcine", "--data", "BOOKS"}, 1,
           "nema mape s datotekama programa (tražena u ROOT/usr/share/pramo ni u ROOT/usr/bin/share/pramo)"},
          {{"demo", "BOOKS"}, 1, "nema mape s datotekama programa"}}},
        {"a code book missing", {}, "pozicije.tsv",
         {{{"init", "BOOKS"}, 1, "datoteku ROOT/usr/share/pramo/pozicije.tsv nije moguće pročitati: nema je"}}},
        {"the schemas missing",
         {{{"demo", "BOOKS"}, 0, "primatelja: 25"},
          {{"joppd", "create", "--payment", "1", "--data", "BOOKS", "--author", "Iva Horvat", "--email", "i@h.hr"}, 0, ""}},
         "xsd",
         {{{"joppd", "xml", "--submission", "1", "--data", "BOOKS", "--out", "BOOKS"}, 2,
           "XML datoteka nije kreirana: shema joppd/ObrazacJOPPD-v1-1.xsd se ne može pročitati: datoteku "
           "ROOT/usr/share/pramo/xsd/joppd/ObrazacJOPPD-v1-1.xsd nije moguće pročitati: nema je."}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Installation in;
        const fs::path books = in.root.path() / "knjige";
        for (const Step& step : c.before) run(in, books, step);
        if (c.removed) fs::remove_all(in.share / c.removed);
        for (const Step& step : c.after) run(in, books, step);
    }
}

}  // namespace
}  // namespace pramo::test
