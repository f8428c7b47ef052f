// pramo-cli check [DIR]: opens every file the way the program does and reports record counts and
// whether each file's keys are sound and every value fits its field; a damaged file is reported
// and the check goes on.

#include <iomanip>
#include <iostream>

#include "cli/command.h"
#include "cli/data_dir.h"
#include "records/layouts/all_tables.h"

namespace pramo::cli {
namespace {

void line(const TableDef& t, std::int64_t n, const std::string& state) {
    std::cout << std::left << std::setw(10) << t.name << std::right << std::setw(10) << n << "  " << state << "\n";
}

// Opens the file as the program does (creating a missing one, rebuilding damaged keys); false
// after a line saying why when it cannot be used.
bool open(DataDir& d, const TableDef& t, StoreCode before) {
    const bool opened = before != StoreCode::LayoutMismatch && ok(d.files.open(t)) && d.messages.halts.empty();
    d.messages.halts.clear();  // the check goes on with the next file
    if (opened) return true;
    const std::string why = before == StoreCode::LayoutMismatch ? "its columns differ from the program's layout: " : "unusable: ";
    line(t, 0, why + d.store.error().text());
    return false;
}

// One line per file: name, records, keys.
bool report(DataDir& d, const TableDef& t, StoreCode before) {
    std::int64_t n = 0, stale = 0;
    if (!ok(d.store.count(t, n)) || !ok(d.store.verifyKeys(t, stale))) {
        line(t, n, "unreadable: " + d.store.error().text());
        return false;
    }
    if (stale > 0) line(t, n, "keys damaged (" + std::to_string(stale) + " records)");
    else if (before == StoreCode::KeysInvalid) line(t, n, "keys sound (rebuilt now)");
    else if (before == StoreCode::FileNotFound) line(t, n, "keys sound (file was missing, created now)");
    else line(t, n, "keys sound");
    return stale == 0;
}

// The values another tool put in that their fields cannot hold, one line each under the file's
// line; true when there are none. Such a file is not opened (its keys could not be rebuilt).
bool valuesSound(DataDir& d, const TableDef& t) {
    std::vector<std::string> found;
    std::int64_t bad = 0, n = 0;
    if (!ok(d.store.findBadValues(t, found, bad)) || !ok(d.store.count(t, n))) {
        line(t, n, "unreadable: " + d.store.error().text());
        return false;
    }
    if (bad == 0) return true;
    line(t, n, std::to_string(bad) + (bad == 1 ? " value its field cannot hold:" : " values their fields cannot hold:"));
    for (const std::string& v : found) std::cout << "    " << v << "\n";
    if (bad > static_cast<std::int64_t>(found.size())) std::cout << "    ... and " << bad - static_cast<std::int64_t>(found.size()) << " more\n";
    return false;
}

bool checkFile(DataDir& d, const TableDef& t) {
    const StoreCode before = d.store.checkTable(t);
    const bool readable = before == StoreCode::Ok || before == StoreCode::KeysInvalid;
    if (readable && !valuesSound(d, t)) return false;
    return open(d, t, before) && report(d, t, before);
}

int check(const std::vector<std::string>& args) {
    std::string dir;
    DataDir d;
    auto problem = directoryArgument(args, dir);
    if (!problem) problem = openDataDir(dir, false, d);
    if (problem) {
        std::cerr << "pramo-cli check: " << *problem << "\n";
        return ExitBadInput;
    }
    bool sound = true;
    std::cout << std::left << std::setw(10) << "file" << std::right << std::setw(10) << "records" << "  keys\n";
    for (const TableDef* t : allTables()) sound = checkFile(d, *t) && sound;
    const std::string findings = databaseFindings(d);
    std::cout << findings << (sound && findings.empty() ? "all files sound\n" : "some files are damaged\n");
    return sound && findings.empty() ? ExitOk : ExitFailed;
}

const Registration registration{
    {"check", fixedUsage("  check [DIR]           open every file of DIR as the program does; report counts and keys"), check}};

}  // namespace
}  // namespace pramo::cli
