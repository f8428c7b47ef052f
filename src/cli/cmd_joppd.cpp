// pramo-cli joppd: the JOPPD submission of a payment and its XML return, with the checks and
// messages of the screens.

#include <filesystem>
#include <iostream>

#include "cli/command.h"
#include "cli/data_dir.h"
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

int refuse(const std::string& problem) {
    std::cerr << "pramo-cli joppd: " << problem << "\n";
    return ExitBadInput;
}

// Opens the data directory and every file; the exit code when that fails.
std::optional<int> open(const Values& v, DataDir& d) {
    const auto dir = v.find("--data");
    if (auto problem = openDataDir(dir == v.end() ? "" : dir->second, false, d)) return refuse(*problem);
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
    if (auto problem = parse(args, {"--payment", "--data", "--author", "--email"}, v)) return refuse(*problem);
    const auto payment = v.contains("--payment") ? positiveNumber(v["--payment"]) : std::nullopt;
    if (!payment) return refuse("create needs --payment N (a payment number from 1)");
    DataDir d;
    if (const auto failed = open(v, d)) return *failed;
    SystemRandom random;
    const SubmissionOutcome o = createSubmission(d.store, *payment, random, authorFrom(v));
    if (o.status == SubmissionStatus::Created) {
        std::cout << o.jopo.oznaka << "\n";
        return ExitOk;
    }
    std::cerr << o.message << "\n";
    return o.status == SubmissionStatus::StoreFailed ? ExitFailed : ExitBadInput;
}

int xml(const std::vector<std::string>& args) {
    Values v;
    if (auto problem = parse(args, {"--submission", "--data", "--out"}, v)) return refuse(*problem);
    const auto submission = v.contains("--submission") ? positiveNumber(v["--submission"]) : std::nullopt;
    if (!submission) return refuse("xml needs --submission N (a submission number from 1)");
    std::error_code ec;
    if (v.contains("--out") && !std::filesystem::is_directory(v["--out"], ec)) return refuse(v["--out"] + " is not a directory");
    DataDir d;
    if (const auto failed = open(v, d)) return *failed;
    SystemClock clock;
    const ReturnFileOutcome o = writeReturnFile(d.store, clock, *submission, {d.dir, v["--out"]});
    if (!o.created) {
        std::cerr << o.message << "\n";
        return ExitBadInput;
    }
    std::cout << o.path << "\n";
    return ExitOk;
}

int joppd(const std::vector<std::string>& args) {
    if (!args.empty() && args[0] == "create") return create(args);
    if (!args.empty() && args[0] == "xml") return xml(args);
    return refuse("name what to do: create or xml");
}

const Registration registration{
    {"joppd", fixedUsage("  joppd create --payment N [--data DIR] [--author \"IME PREZIME\"] [--email E]\n"
                         "      creates the JOPPD submission of payment N (serial number 1) and prints its number;\n"
                         "      the author (first word: first name, the rest: surname) and e-mail default to the\n"
                         "      last submission's\n"
                         "  joppd xml --submission N [--data DIR] [--out DIR]\n"
                         "      writes the JOPPD return of submission N, checked against the official schema, into\n"
                         "      DIR (default: the XML directory of the data directory, else the data directory)\n"
                         "      and prints the file's path"),
     joppd}};

}  // namespace
}  // namespace pramo::cli
