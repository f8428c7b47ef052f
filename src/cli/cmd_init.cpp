// pramo-cli init [DIR]: creates or opens a data directory with every file and the reference data.

#include <iostream>

#include "cli/command.h"
#include "cli/data_dir.h"
#include "records/layouts/all_tables.h"

namespace pramo::cli {
namespace {

int init(const std::vector<std::string>& args) {
    if (args.size() > 1) {
        std::cerr << "pramo-cli init: too many arguments\n";
        return ExitBadInput;
    }
    DataDir d;
    if (auto problem = openDataDir(args.empty() ? "" : args[0], true, d)) {
        std::cerr << "pramo-cli init: " << *problem << "\n";
        return ExitBadInput;
    }
    int created = 0;
    for (const TableDef* t : allTables()) {
        const bool missing = d.store.checkTable(*t) == StoreCode::FileNotFound;
        if (!openFiles(d, {t})) return ExitFailed;
        if (!missing) continue;
        ++created;
        std::int64_t n = 0;
        (void)d.store.count(*t, n);
        std::cout << "created " << t->name;
        if (n > 0) std::cout << " with " << n << " delivered records";
        std::cout << "\n";
    }
    if (created == 0) std::cout << "data directory " << d.dir << " was complete; nothing to do\n";
    else std::cout << "data directory " << d.dir << ": " << created << " of " << allTables().size() << " tables created\n";
    return ExitOk;
}

const Registration registration{{"init", fixedUsage("  init [DIR]            create or complete the data directory DIR (default: here)"), init}};

}  // namespace
}  // namespace pramo::cli
