#pragma once
// The desktop program's command line, read after Qt has taken its own options (-platform, ...).

#include <optional>
#include <string>
#include <vector>

namespace pramo {

struct StartOptions {
    std::string dataDir;   // --data DIR; empty when not given
    std::string database;  // --database URI; empty when not given
    bool help = false;     // --help, -h
    bool version = false;  // --version
};

// Reads the arguments that follow the program's name. A problem names the argument refused: an
// unknown one, --data or --database without its value, or either given twice.
std::optional<std::string> readStartOptions(const std::vector<std::string>& args, StartOptions& out);

// What --help prints; the manual page is made from it too.
std::string startUsage();

// Answers --help and --version (printed on standard output) before anything needs a display:
// the exit code when one of them is asked for, else nothing.
std::optional<int> answerInformation(int argc, char** argv);

}  // namespace pramo
