#include "shell/desktop/start_options.h"

#include <algorithm>
#include <iostream>
#include <string_view>

#include "pramo_version.h"

namespace pramo {

namespace {

// Takes the directory of the --data at `i`; a problem when it is missing or given before.
std::optional<std::string> takeDataDir(const std::vector<std::string>& args, std::size_t& i, StartOptions& out) {
    if (!out.dataDir.empty()) return "--data je zadan dvaput";
    const std::string dir = i + 1 < args.size() ? args[i + 1] : std::string();
    if (dir.empty()) return "--data traži mapu";
    if (dir.starts_with("--")) return "--data traži mapu (mapa tog imena piše se ./" + dir + ")";
    out.dataDir = dir;
    ++i;
    return std::nullopt;
}

}  // namespace

std::optional<std::string> readStartOptions(const std::vector<std::string>& args, StartOptions& out) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--help" || args[i] == "-h") out.help = true;
        else if (args[i] == "--version") out.version = true;
        else if (args[i] != "--data") return "neočekivan argument '" + args[i] + "'";
        else if (auto problem = takeDataDir(args, i, out)) return problem;
    }
    return std::nullopt;
}

std::string startUsage() {
    return "Uporaba: pramo [--data DIR]\n\n"
           "Program Pramo na radnoj površini. Knjige su u jednoj mapi podataka, u kojoj je pramo.db.\n"
           "Pokrenut bez --data, radi u trenutnoj mapi kad su u njoj knjige (pramo.db ili pramo.conf);\n"
           "inače otvara zadnju korištenu mapu podataka, a prvi put pita koju mapu uzeti ili napraviti\n"
           "(predlaže ~/pramo-podaci) i pamti je.\n\n"
           "Mogućnosti:\n"
           "  --data DIR\n"
           "      otvara knjige u mapi DIR (i pamti je); mapa DIR se napravi kad joj nedostaje samo\n"
           "      zadnja razina, a knjige kad ih u njoj nema\n"
           "  --help, -h\n"
           "      ispisuje ovaj tekst\n"
           "  --version\n"
           "      ispisuje inačicu i datum isporučenih stopa općina i šifarnika\n";
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
