#pragma once
// The commands of pramo-cli. Each command lives in its own file and registers itself with a
// static Registration, so adding one touches no other file.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace pramo {
class ReportCatalog;
}

namespace pramo::cli {

// Exit codes: 0 done, 1 the work failed, 2 the command line or its input was not acceptable,
// 3 the work is done and saved but its result could not be printed (standard output was full or
// closed): a script must not do the work again, and finds what was made in the data.
enum Exit : int { ExitOk = 0, ExitFailed = 1, ExitBadInput = 2, ExitSavedNotShown = 3 };

// Prints "pramo-cli COMMAND: PROBLEM" on standard error; answers ExitBadInput.
int refused(std::string_view command, std::string_view problem);

struct Command {
    std::string name;
    std::function<std::string()> usage;  // one or more lines shown by "pramo-cli help"
    std::function<int(const std::vector<std::string>& args)> run;
};

std::vector<Command>& registry();

// Every report "report NAME" can write, assembled from each subsystem's registration.
const ReportCatalog& reportCatalog();

// A usage text known when the command is registered.
inline std::function<std::string()> fixedUsage(std::string text) {
    return [text = std::move(text)] { return text; };
}

struct Registration {
    explicit Registration(Command c) { registry().push_back(std::move(c)); }
};

}  // namespace pramo::cli
