// pramo-cli demo [DIR]: an example office to see the program at work.

#include <iostream>

#include "cli/command.h"
#include "cli/data_dir.h"
#include "cli/output.h"
#include "payments/demo/demo_office.h"
#include "records/layouts/all_tables.h"

namespace pramo::cli {
namespace {

int demo(const std::vector<std::string>& args) {
    BooksArgs books;
    DataDir d;
    auto problem = directoryArgument(args, books);
    if (!problem) problem = openDataDir(books, true, d);
    if (problem) return refused("demo", *problem);
    if (!openFiles(d, allTables())) return ExitFailed;
    SystemClock clock;
    const DemoOutcome out = makeDemoOffice(d.store, clock);
    if (!out.made) {
        std::cerr << "pramo-cli demo: " << out.message << "\n";
        return out.occupied ? ExitBadInput : ExitFailed;
    }
    const std::string where = d.place.server ? d.place.shown : d.dir;
    const std::string start = d.place.server ? "pramo --database " + d.place.shown : "cd " + d.dir + " && pramo";
    return printSaved("primjer ureda u " + where + ": općine, 2 isplatitelja, primatelja: " + std::to_string(out.payees) +
                          ", isplata: " + std::to_string(out.payments) + ", obračunatih dohodaka: " + std::to_string(out.items) +
                          "\nza pregled pokrenite program: " + start + "\n",
                      "primjer ureda u " + where + " je napravljen");
}

const Registration registration{
    {"demo", fixedUsage("  demo [DIR] [--database URI]\n"
                        "      puni nove knjige mape podataka DIR (zadano: ovdje) ili baze podataka URI primjerom\n"
                        "      ureda: općine, mjesta, ulice, banke, dva isplatitelja, 25 primatelja, vrste dohotka\n"
                        "      i isplate s obračunatim dohocima; odbija knjige koje već imaju podatke"),
     demo}};

}  // namespace
}  // namespace pramo::cli
