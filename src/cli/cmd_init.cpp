// pramo-cli init [DIR]: creates or opens a data directory with every file and the reference data.

#include <iostream>

#include "cli/command.h"
#include "cli/data_dir.h"
#include "records/layouts/all_tables.h"

namespace pramo::cli {
namespace {

int refused(const std::string& problem) {
    std::cerr << "pramo-cli init: " << problem << "\n";
    return ExitBadInput;
}

// Opens or creates every file; the number created, or -1 when a file cannot be used.
int createMissing(DataDir& d) {
    int created = 0;
    for (const TableDef* t : allTables()) {
        const bool missing = d.store.checkTable(*t) == StoreCode::FileNotFound;
        if (!openFiles(d, {t})) return -1;
        if (!missing) continue;
        ++created;
        std::int64_t n = 0;
        (void)d.store.count(*t, n);
        std::cout << "created " << t->name;
        if (n > 0) std::cout << " with " << n << " delivered records";
        std::cout << "\n";
    }
    return created;
}

int init(const std::vector<std::string>& args) {
    std::string dir;
    if (auto problem = directoryArgument(args, dir)) return refused(*problem);
    DataDir d;
    if (auto problem = openDataDir(dir, true, d)) return refused(*problem);
    const int created = createMissing(d);
    if (created < 0) return ExitFailed;
    if (const std::string findings = databaseFindings(d); !findings.empty()) {
        std::cerr << "pramo-cli init: the data directory " << d.dir << " is damaged; " << findings
                  << "(pramo-cli check lists every file)\n";
        return ExitFailed;
    }
    if (created == 0) std::cout << "data directory " << d.dir << " was complete; nothing to do\n";
    else std::cout << "data directory " << d.dir << ": " << created << " of " << allTables().size() << " tables created\n";
    return ExitOk;
}

const Registration registration{{"init", fixedUsage("  init [DIR]            create or complete the data directory DIR (default: here)"), init}};

}  // namespace
}  // namespace pramo::cli
