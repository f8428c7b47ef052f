// pramo-cli: the program's data and documents from a shell.

#include <algorithm>
#include <csignal>
#include <iostream>

#include "cli/command.h"
#include "pramo_version.h"

namespace pramo::cli {

std::vector<Command>& registry() {
    static std::vector<Command> commands;
    return commands;
}

namespace {

int usage(std::ostream& out) {
    auto commands = registry();
    std::sort(commands.begin(), commands.end(), [](const Command& a, const Command& b) { return a.name < b.name; });
    out << "Usage: pramo-cli COMMAND [ARGUMENTS]\n\n"
           "Pramo's books and documents from a shell. A command that uses books works on one data\n"
           "directory (DIR, which holds pramo.db): the current directory unless it names another.\n\n"
           "Commands:\n";
    for (const Command& c : commands) out << c.usage() << "\n";
    out << "\nOptions:\n"
           "  help, --help\n"
           "      shows this text\n"
           "  --version\n"
           "      shows the version and the date of the municipal rates and code books delivered\n";
    return ExitBadInput;
}

// The command's exit code, unless what it printed did not all reach standard output (a full
// disk, a closed pipe): then the command failed.
int outputWritten(int exitCode) {
    if (std::cout.flush()) return exitCode;
    std::cerr << "pramo-cli: the output could not be written\n";
    return exitCode == ExitOk ? ExitFailed : exitCode;
}

}  // namespace
}  // namespace pramo::cli

int main(int argc, char** argv) {
    using namespace pramo::cli;
    // A file-size limit or a closed pipe makes a write fail with a message, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
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
    std::cerr << "pramo-cli: unknown command '" << name << "'\n";
    return usage(std::cerr);
}
