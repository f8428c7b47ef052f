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
    std::string dir;
    DataDir d;
    auto problem = directoryArgument(args, dir);
    if (!problem) problem = openDataDir(dir, true, d);
    if (problem) return refused("demo", *problem);
    if (!openFiles(d, allTables())) return ExitFailed;
    SystemClock clock;
    const DemoOutcome out = makeDemoOffice(d.store, clock);
    if (!out.made) {
        std::cerr << "pramo-cli demo: " << out.message << "\n";
        return out.occupied ? ExitBadInput : ExitFailed;
    }
    return printSaved("primjer ureda u " + d.dir + ": općine, 2 isplatitelja, primatelja: " + std::to_string(out.payees) +
                          ", isplata: " + std::to_string(out.payments) + ", obračunatih dohodaka: " + std::to_string(out.items) +
                          "\nza pregled pokrenite program ondje: cd " + d.dir + " && pramo\n",
                      "primjer ureda u " + d.dir + " je napravljen");
}

const Registration registration{
    {"demo", fixedUsage("  demo [DIR]            puni novu mapu podataka DIR (zadano: ovdje) primjerom ureda: općine,\n"
                        "      mjesta, ulice, banke, dva isplatitelja, 25 primatelja, vrste dohotka i isplate s\n"
                        "      obračunatim dohocima; odbija mapu koja već ima podatke"),
     demo}};

}  // namespace
}  // namespace pramo::cli
