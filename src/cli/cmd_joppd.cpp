// pramo-cli joppd: the JOPPD submission of a payment and its XML return, with the checks and
// messages of the screens.

#include <filesystem>
#include <iostream>

#include "cli/command.h"
#include "cli/data_dir.h"
#include "cli/output.h"
#include "cli/options.h"
#include "joppd/return_file.h"
#include "joppd/submission.h"
#include "records/layouts/all_tables.h"

namespace pramo::cli {
namespace {

using Values = std::map<std::string, std::string>;

// The options after the subcommand; the problem in words when the line is not acceptable.
std::optional<std::string> parse(const std::vector<std::string>& args, std::set<std::string> allowed, Values& out) {
    CommandLine line;
    if (auto problem = readCommandLine(args, 1, {.valued = std::move(allowed)}, line)) return problem->text();
    out = std::move(line.values);
    return std::nullopt;
}

// Opens the data directory and every file; the exit code when that fails.
std::optional<int> open(const Values& v, DataDir& d) {
    if (auto problem = openDataDir(booksArgs(v), false, d)) return refused("joppd", *problem);
    if (!openFiles(d, allTables())) return ExitFailed;
    return std::nullopt;
}

// "IME PREZIME": the first word is the first name, the rest the surname.
AuthorOverride authorFrom(const Values& v) {
    AuthorOverride a;
    if (const auto it = v.find("--author"); it != v.end()) {
        const auto blank = it->second.find(' ');
        a.ime = it->second.substr(0, blank);
        a.prezime = blank == std::string::npos ? std::string() : it->second.substr(blank + 1);
    }
    if (const auto it = v.find("--email"); it != v.end()) a.email = it->second;
    return a;
}

int create(const std::vector<std::string>& args) {
    Values v;
    if (auto problem = parse(args, {"--payment", "--data", "--database", "--author", "--email"}, v)) return refused("joppd", *problem);
    const auto payment = v.contains("--payment") ? positiveNumber(v["--payment"]) : std::nullopt;
    if (!payment) return refused("joppd", "create traži --payment N (broj isplate od 1 nadalje)");
    DataDir d;
    if (const auto failed = open(v, d)) return *failed;
    SystemRandom random;
    const SubmissionOutcome o = createSubmission(d.store, *payment, random, authorFrom(v));
    if (o.status == SubmissionStatus::Created) {
        const std::string number = std::to_string(o.jopo.oznaka);
        return printSaved(number + "\n", "obrazac JOPPD " + number + " je spremljen");
    }
    std::cerr << o.message << "\n";
    return o.status == SubmissionStatus::StoreFailed ? ExitFailed : ExitBadInput;
}

int xml(const std::vector<std::string>& args) {
    Values v;
    if (auto problem = parse(args, {"--submission", "--data", "--database", "--out"}, v)) return refused("joppd", *problem);
    const auto submission = v.contains("--submission") ? positiveNumber(v["--submission"]) : std::nullopt;
    if (!submission) return refused("joppd", "xml traži --submission N (broj JOPPD obrasca od 1 nadalje)");
    std::error_code ec;
    if (v.contains("--out") && !std::filesystem::is_directory(v["--out"], ec)) return refused("joppd", v["--out"] + " nije mapa");
    DataDir d;
    if (const auto failed = open(v, d)) return *failed;
    SystemClock clock;
    const ReturnFileOutcome o = writeReturnFile(d.store, clock, *submission, {d.dir, v["--out"]});
    if (!o.created) {
        std::cerr << o.message << "\n";
        return ExitBadInput;
    }
    return printSaved(o.path + "\n", "XML datoteka " + o.path + " je zapisana");
}

int joppd(const std::vector<std::string>& args) {
    if (!args.empty() && args[0] == "create") return create(args);
    if (!args.empty() && args[0] == "xml") return xml(args);
    return refused("joppd", "navedite što učiniti: create ili xml");
}

const Registration registration{
    {"joppd", fixedUsage("  joppd create --payment N [--data DIR] [--database URI] [--author \"IME PREZIME\"] [--email E]\n"
                         "      pravi JOPPD obrazac isplate N (redni broj 1) i ispisuje njegov broj; autor (prva\n"
                         "      riječ: ime, ostatak: prezime) i e-adresa zadano su oni zadnjeg obrasca\n"
                         "  joppd xml --submission N [--data DIR] [--database URI] [--out DIR]\n"
                         "      zapisuje JOPPD obrazac N kao XML datoteku, provjerenu službenom shemom, u mapu DIR\n"
                         "      (zadano: mapa XML u mapi podataka, inače mapa podataka) i ispisuje njezinu putanju"),
     joppd}};

}  // namespace
}  // namespace pramo::cli
