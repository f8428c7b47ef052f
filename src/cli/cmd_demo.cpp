// pramo-cli demo [DIR]: an example office to see the program at work.

#include <iostream>

#include "cli/command.h"
#include "cli/data_dir.h"
#include "payments/demo/demo_office.h"
#include "records/layouts/all_tables.h"

namespace pramo::cli {
namespace {

int demo(const std::vector<std::string>& args) {
    std::string dir;
    DataDir d;
    auto problem = directoryArgument(args, dir);
    if (!problem) problem = openDataDir(dir, true, d);
    if (problem) {
        std::cerr << "pramo-cli demo: " << *problem << "\n";
        return ExitBadInput;
    }
    if (!openFiles(d, allTables())) return ExitFailed;
    SystemClock clock;
    const DemoOutcome out = makeDemoOffice(d.store, clock);
    if (!out.made) {
        std::cerr << "pramo-cli demo: " << out.message << "\n";
        return out.occupied ? ExitBadInput : ExitFailed;
    }
    std::cout << "example office in " << d.dir << ": the municipalities, 2 payers, " << out.payees << " payees, "
              << out.payments << " payments with " << out.items << " calculated income items\n"
              << "start the program there to see it: cd " << d.dir << " && pramo\n";
    return ExitOk;
}

const Registration registration{
    {"demo", fixedUsage("  demo [DIR]            fills a new data directory DIR (default: here) with an example\n"
                        "      office: municipalities, places, streets, banks, two payers, 25 payees, income types\n"
                        "      and payments with calculated items; refused when DIR already holds data"),
     demo}};

}  // namespace
}  // namespace pramo::cli
