// pramo-cli check [DIR]: opens every file the way the program does and reports record counts and
// whether each file's keys are sound.

#include <iomanip>
#include <iostream>

#include "cli/command.h"
#include "cli/data_dir.h"
#include "records/layouts/all_tables.h"

namespace pramo::cli {
namespace {

// One line per file: name, records, keys.
bool report(DataDir& d, const TableDef& t, StoreCode before) {
    std::int64_t n = 0, stale = 0;
    const StoreCode counted = d.store.count(t, n);
    const StoreCode verified = d.store.verifyKeys(t, stale);
    std::cout << std::left << std::setw(10) << t.name << std::right << std::setw(10) << n << "  ";
    if (!ok(counted) || !ok(verified)) {
        std::cout << "unreadable: " << d.store.error().text() << "\n";
        return false;
    }
    if (stale > 0) std::cout << "keys damaged (" << stale << " records)\n";
    else if (before == StoreCode::KeysInvalid) std::cout << "keys sound (rebuilt now)\n";
    else if (before == StoreCode::FileNotFound) std::cout << "keys sound (file was missing, created now)\n";
    else std::cout << "keys sound\n";
    return stale == 0;
}

int check(const std::vector<std::string>& args) {
    if (args.size() > 1) {
        std::cerr << "pramo-cli check: too many arguments\n";
        return ExitBadInput;
    }
    DataDir d;
    if (auto problem = openDataDir(args.empty() ? "" : args[0], false, d)) {
        std::cerr << "pramo-cli check: " << *problem << "\n";
        return ExitBadInput;
    }
    bool sound = true;
    std::cout << std::left << std::setw(10) << "file" << std::right << std::setw(10) << "records" << "  keys\n";
    for (const TableDef* t : allTables()) {
        const StoreCode before = d.store.checkTable(*t);
        if (!openFiles(d, {t})) return ExitFailed;
        sound = report(d, *t, before) && sound;
    }
    const std::string findings = d.store.integrityCheck();
    if (!findings.empty()) {
        std::cout << "database check found:\n" << findings;
        sound = false;
    }
    std::cout << (sound ? "all files sound\n" : "some files are damaged\n");
    return sound ? ExitOk : ExitFailed;
}

const Registration registration{
    {"check", fixedUsage("  check [DIR]           open every file of DIR as the program does; report counts and keys"), check}};

}  // namespace
}  // namespace pramo::cli
