// pramo-cli init [DIR]: creates or opens a data directory with every file and the reference data.

#include <iostream>

#include "cli/command.h"
#include "cli/data_dir.h"
#include "cli/output.h"
#include "records/layouts/all_tables.h"

namespace pramo::cli {
namespace {

// A file the books had and lost is made anew only here, on the user's word, and said loudly.
bool makeLostAnew(DataDir& d, const TableDef& t, std::string& said) {
    if (!ok(d.files.makeAnew(t))) {
        std::cerr << "pramo-cli init: datoteku " << t.name << " nije moguće napraviti: " << d.store.error().text() << "\n";
        return false;
    }
    std::cerr << "pramo-cli init: datoteka " << t.name << " nestala je iz baze podataka (njezini slogovi su izgubljeni); "
              << "napravljena je nova, prazna\n";
    said += "napravljena " + std::string(t.name) + " (bila je nestala iz baze podataka)\n";
    return true;
}

// Opens or creates every file; the number created, or -1 when a file cannot be used. What was
// made is added to `said`.
int createMissing(DataDir& d, std::string& said) {
    int created = 0;
    for (const TableDef* t : allTables()) {
        const StoreCode before = d.store.checkTable(*t);
        if (before == StoreCode::FileLost && !makeLostAnew(d, *t, said)) return -1;
        if (!openFiles(d, {t})) return -1;
        if (before == StoreCode::FileLost) ++created;
        if (before != StoreCode::FileNotFound) continue;
        ++created;
        std::int64_t n = 0;
        (void)d.store.count(*t, n);
        said += "napravljena " + std::string(t->name) + (n > 0 ? " s isporučenim slogovima: " + std::to_string(n) : "") + "\n";
    }
    return created;
}

int init(const std::vector<std::string>& args) {
    BooksArgs books;
    if (auto problem = directoryArgument(args, books)) return refused("init", *problem);
    DataDir d;
    if (auto problem = openDataDir(books, true, d, Purpose::MakeBooks)) return refused("init", *problem);
    std::string said;
    const int created = createMissing(d, said);
    if (created < 0) return ExitFailed;
    if (created == 0) said += d.books() + " bila je potpuna; nije trebalo ništa napraviti\n";
    else said += d.books() + ": napravljeno datoteka " + std::to_string(created) + " od " + std::to_string(allTables().size()) + "\n";
    return printSaved(said, d.books() + " je napravljena");
}

const Registration registration{
    {"init", fixedUsage("  init [DIR] [--database URI]\n"
                        "      pravi ili dopunjuje mapu podataka DIR (zadano: ovdje); s --database pravi\n"
                        "      datoteke u praznoj bazi podataka na poslužitelju (odbija bazu s tuđim tablicama)"),
     init}};

}  // namespace
}  // namespace pramo::cli
