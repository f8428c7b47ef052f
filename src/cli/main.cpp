// pramo-cli: the program's data and documents from a shell.

#include <algorithm>
#include <csignal>
#include <iostream>

#include "cli/command.h"

namespace pramo::cli {

std::vector<Command>& registry() {
    static std::vector<Command> commands;
    return commands;
}

namespace {

int usage(std::ostream& out) {
    auto commands = registry();
    std::sort(commands.begin(), commands.end(), [](const Command& a, const Command& b) { return a.name < b.name; });
    out << "Usage: pramo-cli COMMAND [ARGUMENTS]\n\n";
    for (const Command& c : commands) out << c.usage() << "\n";
    return ExitBadInput;
}

}  // namespace
}  // namespace pramo::cli

int main(int argc, char** argv) {
    using namespace pramo::cli;
    std::signal(SIGXFSZ, SIG_IGN);  // a file-size limit makes a write fail with a message, not end the program
    if (argc < 2) return usage(std::cerr);
    const std::string name = argv[1];
    if (name == "help" || name == "--help" || name == "-h") {
        usage(std::cout);
        return ExitOk;
    }
    for (const Command& c : registry()) {
        if (c.name == name) return c.run(std::vector<std::string>(argv + 2, argv + argc));
    }
    std::cerr << "pramo-cli: unknown command '" << name << "'\n";
    return usage(std::cerr);
}
