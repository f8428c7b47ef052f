// pramo-cli check [DIR]: opens every file the way the program does and reports record counts and
// whether each file's keys are sound and every value fits its field, every reference to a record
// that does not exist, and files the books had that are gone; a damaged file is reported and the
// check goes on. A missing file is never made here: that would hide records that were lost.

#include <iomanip>
#include <iostream>
#include <set>

#include "cli/command.h"
#include "cli/data_dir.h"
#include "records/layouts/all_tables.h"
#include "records/layouts/relations.h"

namespace pramo::cli {
namespace {

void line(const TableDef& t, std::int64_t n, const std::string& state) {
    std::cout << std::left << std::setw(12) << t.name << std::right << std::setw(8) << n << "  " << state << "\n";
}

// Findings under a heading, the first ones whole and how many more there are.
void list(const std::vector<std::string>& found, std::int64_t count) {
    for (const std::string& v : found) std::cout << "    " << v << "\n";
    if (count > static_cast<std::int64_t>(found.size())) std::cout << "    ... i još " << count - static_cast<std::int64_t>(found.size()) << "\n";
}

// Opens the file as the program does (rebuilding damaged keys); false after a line saying why
// when it cannot be used.
bool open(DataDir& d, const TableDef& t, StoreCode before) {
    if (before != StoreCode::LayoutMismatch && openFiles(d, {&t})) return true;  // else the check goes on with the next file
    const std::string why = before == StoreCode::LayoutMismatch ? "stupci se razlikuju od rasporeda programa: " : "neupotrebljiva: ";
    line(t, 0, why + d.store.error().text());
    return false;
}

// One line per file: name, records, keys.
bool report(DataDir& d, const TableDef& t, StoreCode before) {
    std::int64_t n = 0, stale = 0;
    if (!ok(d.store.count(t, n)) || !ok(d.store.verifyKeys(t, stale))) {
        line(t, n, "nečitljiva: " + d.store.error().text());
        return false;
    }
    if (stale > 0) line(t, n, "ključevi oštećeni (slogova: " + std::to_string(stale) + ")");
    else if (before == StoreCode::KeysInvalid) line(t, n, "ključevi ispravni (upravo izgrađeni)");
    else line(t, n, "ključevi ispravni");
    return stale == 0;
}

// The values another tool put in that their fields cannot hold, one line each under the file's
// line; true when there are none. Such a file is not opened (its keys could not be rebuilt).
bool valuesSound(DataDir& d, const TableDef& t) {
    std::vector<std::string> found;
    std::int64_t bad = 0, n = 0;
    if (!ok(d.store.findBadValues(t, found, bad)) || !ok(d.store.count(t, n))) {
        line(t, n, "nečitljiva: " + d.store.error().text());
        return false;
    }
    if (bad == 0) return true;
    line(t, n, "vrijednosti koje polja ne mogu primiti: " + std::to_string(bad));
    list(found, bad);
    return false;
}

// A file missing from a database of an earlier version is made when the program first opens it;
// one the books had and lost is damage.
bool missing(const TableDef& t, StoreCode before) {
    if (before == StoreCode::FileNotFound) line(t, 0, "još nije napravljena (program je napravi kad je prvi put otvori)");
    else line(t, 0, "nedostaje: baza podataka imala je ovu datoteku, a sada je nema (njezini slogovi su izgubljeni)");
    return before == StoreCode::FileNotFound;
}

struct FileState {
    bool sound = false;
    bool present = false;  // in the database with the program's layout: its references can be followed
};

FileState checkFile(DataDir& d, const TableDef& t) {
    const StoreCode before = d.store.checkTable(t);
    if (before == StoreCode::FileNotFound || before == StoreCode::FileLost) return {missing(t, before), false};
    const bool present = before == StoreCode::Ok || before == StoreCode::KeysInvalid;
    if (present && !valuesSound(d, t)) return {false, true};
    return {open(d, t, before) && report(d, t, before), present};
}

// Every record whose link names a record that does not exist, relation by relation; true when
// there is none.
bool referencesSound(DataDir& d, const std::set<const TableDef*>& present) {
    bool sound = true;
    for (const Relation& r : relations()) {
        if (!present.contains(r.parent) || !present.contains(r.child)) continue;
        std::vector<std::string> found;
        std::int64_t count = 0;
        const bool read = ok(d.store.findDanglingLinks(*r.child, r.link(), *r.parent, r.parentNumber(), found, count));
        if (read && count == 0) continue;
        std::cout << r.child->name << ", polje " << r.childField;
        if (!read) std::cout << ": veze na datoteku " << r.parent->name << " nije moguće provjeriti: " << d.store.error().text() << "\n";
        else std::cout << ": slogova koji upućuju na nepostojeći slog datoteke " << r.parent->name << ": " << count << "\n";
        list(found, count);
        sound = false;
    }
    return sound;
}

int check(const std::vector<std::string>& args) {
    BooksArgs books;
    DataDir d;
    auto problem = directoryArgument(args, books);
    if (!problem) problem = openDataDir(books, false, d, Purpose::Check);
    if (problem) return refused("check", *problem);
    bool sound = true;
    std::set<const TableDef*> present;
    std::cout << std::left << std::setw(12) << "datoteka" << std::right << std::setw(8) << "slogova" << "  ključevi\n";
    for (const TableDef* t : allTables()) {
        const FileState state = checkFile(d, *t);
        sound = state.sound && sound;
        if (state.present) present.insert(t);
    }
    sound = referencesSound(d, present) && sound;
    const std::string findings = databaseFindings(d);
    if (!findings.empty()) std::cout << findings << "\n";
    std::cout << (sound && findings.empty() ? "sve datoteke su ispravne\n" : "neke datoteke su oštećene\n");
    return sound && findings.empty() ? ExitOk : ExitFailed;
}

const Registration registration{
    {"check", fixedUsage("  check [DIR] [--database URI]\n"
                         "      otvara svaku datoteku knjiga mape DIR (ili baze URI) kao program; navodi broj slogova,\n"
                         "      ključeve, vrijednosti koje polja ne mogu primiti, veze na nepostojeće slogove i datoteke koje nedostaju"),
     check}};

}  // namespace
}  // namespace pramo::cli
