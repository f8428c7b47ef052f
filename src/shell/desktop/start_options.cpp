#include "shell/desktop/start_options.h"

#include <algorithm>
#include <iostream>
#include <string_view>

#include "pramo_version.h"

namespace pramo {

namespace {

// Takes the value of the option at `i` (--data: a directory, --database: a URI) into `value`; a
// problem when it is missing or given before.
std::optional<std::string> takeValue(const std::vector<std::string>& args, std::size_t& i, std::string& value) {
    const std::string& option = args[i];
    const std::string what = option == "--data" ? "mapu" : "URI";
    if (!value.empty()) return option + " je zadan dvaput";
    const std::string given = i + 1 < args.size() ? args[i + 1] : std::string();
    if (given.empty()) return option + " traži " + what;
    if (given.starts_with("--")) return option + " traži " + what + (option == "--data" ? " (mapa tog imena piše se ./" + given + ")" : "");
    value = given;
    ++i;
    return std::nullopt;
}

}  // namespace

std::optional<std::string> readStartOptions(const std::vector<std::string>& args, StartOptions& out) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--help" || args[i] == "-h") out.help = true;
        else if (args[i] == "--version") out.version = true;
        else if (args[i] != "--data" && args[i] != "--database") return "neočekivan argument '" + args[i] + "'";
        else if (auto problem = takeValue(args, i, args[i] == "--data" ? out.dataDir : out.database)) return problem;
    }
    return std::nullopt;
}

std::string startUsage() {
    return "Uporaba: pramo [--data DIR] [--database URI]\n\n"
           "Program Pramo na radnoj površini. Knjige su u jednoj mapi podataka, u kojoj je pramo.db.\n"
           "Pokrenut bez --data, radi u trenutnoj mapi kad su u njoj knjige (pramo.db ili pramo.conf);\n"
           "inače otvara zadnju korištenu mapu podataka, a prvi put pita koju mapu uzeti ili napraviti\n"
           "(predlaže ~/pramo-podaci) i pamti je. Mapa podataka s datotekom pramo.conf, u kojoj je redak\n"
           "database = URI, drži knjige na poslužitelju PostgreSQL; dokumenti se pišu u mapu.\n\n"
           "Mogućnosti:\n"
           "  --data DIR\n"
           "      otvara knjige u mapi DIR (i pamti je); mapa DIR se napravi kad joj nedostaje samo\n"
           "      zadnja razina, a knjige kad ih u njoj nema\n"
           "  --database URI\n"
           "      radi s knjigama na poslužitelju PostgreSQL (URI veze libpq, npr.\n"
           "      postgresql:///pramo?host=/run/postgresql); dokumenti idu u mapu podataka. Lozinka se\n"
           "      uzima iz ~/.pgpass (ili varijabli okoline libpq) i nikad se ne prikazuje\n"
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
