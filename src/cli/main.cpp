// pramo-cli: the program's data and documents from a shell.

#include <algorithm>
#include <csignal>
#include <iostream>

#include "app/register_reports.h"
#include "cli/command.h"
#include "cli/output.h"
#include "documents/report_declaration.h"
#include "pramo_version.h"

namespace pramo::cli {

std::vector<Command>& registry() {
    static std::vector<Command> commands;
    return commands;
}

const ReportCatalog& reportCatalog() {
    static const ReportCatalog catalog = [] {
        ReportCatalog c;
        registerAllReports(c);
        return c;
    }();
    return catalog;
}

namespace {

int usage(std::ostream& out) {
    auto commands = registry();
    std::sort(commands.begin(), commands.end(), [](const Command& a, const Command& b) { return a.name < b.name; });
    out << "Uporaba: pramo-cli NAREDBA [ARGUMENTI]\n\n"
           "Knjige i dokumenti programa Pramo iz ljuske. Naredba koja radi s knjigama radi nad jednom\n"
           "mapom podataka (DIR, u kojoj je pramo.db): trenutnom mapom, osim ako naredba ne navede drugu.\n"
           "Knjige mogu biti i na poslužitelju PostgreSQL: --database URI (URI veze libpq, npr.\n"
           "postgresql:///pramo?host=/run/postgresql) ili datoteka pramo.conf u mapi podataka s retkom\n"
           "database = URI; dokumenti se tada pišu u mapu podataka. Lozinke se uzimaju iz ~/.pgpass\n"
           "(ili iz varijabli okoline libpq) i nikad se ne ispisuju.\n\n"
           "Naredbe:\n";
    for (const Command& c : commands) out << c.usage() << "\n";
    out << "\nMogućnosti:\n"
           "  help, --help\n"
           "      ispisuje ovaj tekst\n"
           "  --version\n"
           "      ispisuje inačicu i datum isporučenih stopa općina i šifarnika\n";
    return ExitBadInput;
}

// The command's exit code, unless what it printed did not all reach standard output (a full
// disk, a closed pipe): then the command failed. A command that saved its work has said so.
int outputWritten(int exitCode) {
    if (exitCode == ExitSavedNotShown || std::cout.flush()) return exitCode;
    std::cerr << "pramo-cli: ispis nije moguće zapisati na standardni izlaz\n";
    return exitCode == ExitOk ? ExitFailed : exitCode;
}

int run(int argc, char** argv) {
    if (argc < 2) return usage(std::cerr);
    const std::string name = argv[1];
    if (name == "help" || name == "--help" || name == "-h") {
        usage(std::cout);
        return outputWritten(ExitOk);
    }
    if (name == "--version") {
        std::cout << pramo::build::versionText("pramo-cli");
        return outputWritten(ExitOk);
    }
    for (const Command& c : registry()) {
        if (c.name == name) return outputWritten(c.run(std::vector<std::string>(argv + 2, argv + argc)));
    }
    std::cerr << "pramo-cli: nepoznata naredba '" << name << "'\n";
    return usage(std::cerr);
}

}  // namespace
}  // namespace pramo::cli

int main(int argc, char** argv) {
    using namespace pramo::cli;
    // A file-size limit or a closed pipe makes a write fail with a message, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
    VisibleOutput out(std::cout), err(std::cerr);
    return run(argc, argv);
}
