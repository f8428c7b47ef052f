#include "shell/desktop/start_options.h"

#include <algorithm>
#include <iostream>
#include <string_view>

#include "pramo_version.h"

namespace pramo {

namespace {

// Takes the directory of the --data at `i`; a problem when it is missing or given before.
std::optional<std::string> takeDataDir(const std::vector<std::string>& args, std::size_t& i, StartOptions& out) {
    if (!out.dataDir.empty()) return "--data is given twice";
    const std::string dir = i + 1 < args.size() ? args[i + 1] : std::string();
    if (dir.empty()) return "--data needs a directory";
    if (dir.starts_with("--")) return "--data needs a directory (one named " + dir + " is written ./" + dir + ")";
    out.dataDir = dir;
    ++i;
    return std::nullopt;
}

}  // namespace

std::optional<std::string> readStartOptions(const std::vector<std::string>& args, StartOptions& out) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--help" || args[i] == "-h") out.help = true;
        else if (args[i] == "--version") out.version = true;
        else if (args[i] != "--data") return "unexpected argument '" + args[i] + "'";
        else if (auto problem = takeDataDir(args, i, out)) return problem;
    }
    return std::nullopt;
}

std::string startUsage() {
    return "Usage: pramo [--data DIR]\n\n"
           "The desktop program of Pramo. Its books are in one data directory, which holds pramo.db.\n"
           "Started without --data, it works in the current directory when that holds books\n"
           "(pramo.db or pramo.conf); otherwise it opens the data directory used last, or, the first\n"
           "time, asks which directory to use or create (proposing ~/pramo-podaci) and remembers it.\n\n"
           "Options:\n"
           "  --data DIR\n"
           "      opens the books in DIR (and remembers it); DIR is made when only its last level is\n"
           "      missing, and the books when DIR holds none\n"
           "  --help, -h\n"
           "      shows this text\n"
           "  --version\n"
           "      shows the version and the date of the municipal rates and code books delivered\n";
}

std::optional<int> answerInformation(int argc, char** argv) {
    const auto asked = [&](std::string_view option) {
        return std::any_of(argv + 1, argv + argc, [&](const char* a) { return option == a; });
    };
    if (asked("--help") || asked("-h")) std::cout << startUsage();
    else if (asked("--version")) std::cout << build::versionText("pramo");
    else return std::nullopt;
    return std::cout.flush() ? 0 : 1;
}

}  // namespace pramo
