// pramo-cli copy --from DIR|URI --to DIR|URI: a whole set of books copied from a data directory
// to a PostgreSQL server or back (or between two of either), every record with its row and
// version, in one transaction on the target. A target that already holds books is refused, so a
// copy never mixes two sets of books.

#include <iostream>

#include "cli/command.h"
#include "cli/data_dir.h"
#include "cli/options.h"
#include "cli/output.h"
#include "records/layouts/all_tables.h"
#include "records/store/backend.h"
#include "records/store/books_copy.h"

namespace pramo::cli {
namespace {

// Opens one side: a server URI as it is, a directory as every command opens its data directory
// (its pramo.db, or the server its pramo.conf names); the target's directory and database are
// made when missing.
std::optional<std::string> openSide(const std::string& arg, bool target, DataDir& d) {
    const Purpose purpose = target ? Purpose::MakeBooks : Purpose::Write;
    if (!isServerUri(arg)) return openDataDir({.dir = arg}, target, d, purpose);
    return openBooks({arg, true, shownUri(arg)}, target, d, purpose);
}

std::string named(const DataDir& d) { return d.place.shown; }

int copy(const std::vector<std::string>& args) {
    CommandLine line;
    if (auto problem = readCommandLine(args, 0, {.valued = {"--from", "--to"}}, line)) return refused("copy", problem->text());
    if (!line.has("--from") || !line.has("--to")) return refused("copy", "zadajte --from DIR|URI i --to DIR|URI");
    DataDir from, to;
    if (auto problem = openSide(line.value("--from"), false, from)) return refused("copy", "--from: " + *problem);
    if (!openFiles(from, allTables())) return ExitFailed;
    if (auto problem = openSide(line.value("--to"), true, to)) return refused("copy", "--to: " + *problem);
    const BooksCopy done = copyBooks(from.store, to.store, allTables());
    if (!ok(done.code)) {
        std::cerr << "pramo-cli copy: ništa nije kopirano: " << done.problem << "\n";
        return ExitFailed;
    }
    const std::string said = "kopirano slogova: " + std::to_string(done.records) + " (iz " + named(from) + " u " + named(to) + ")";
    return printSaved(said + "\n", said);
}

const Registration registration{
    {"copy", fixedUsage("  copy --from DIR|URI --to DIR|URI\n"
                        "      kopira cijele knjige iz mape podataka DIR ili baze podataka URI u drugu mapu ili bazu,\n"
                        "      u jednoj transakciji (sve ili ništa); odbija odredište koje već ima knjige i ispisuje\n"
                        "      koliko je slogova kopirano"),
     copy}};

}  // namespace
}  // namespace pramo::cli
