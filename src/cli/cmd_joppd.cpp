// pramo-cli joppd: the JOPPD submission of a payment and its XML return, with the checks and
// messages of the screens.

#include <charconv>
#include <filesystem>
#include <iostream>
#include <map>
#include <set>

#include "cli/command.h"
#include "cli/data_dir.h"
#include "joppd/return_file.h"
#include "joppd/submission.h"
#include "records/layouts/all_tables.h"

namespace pramo::cli {
namespace {

using Values = std::map<std::string, std::string>;

// --name value pairs, each allowed once; the problem in words when the line is not acceptable.
std::optional<std::string> parse(const std::vector<std::string>& args, const std::set<std::string>& allowed, Values& out) {
    for (std::size_t i = 1; i < args.size(); i += 2) {
        const std::string& a = args[i];
        if (!allowed.contains(a)) return "unexpected argument '" + a + "'";
        if (i + 1 >= args.size() || args[i + 1].empty()) return a + " needs a value";
        if (!out.emplace(a, args[i + 1]).second) return a + " is given twice";
    }
    return std::nullopt;
}

std::optional<std::int32_t> number(const std::string& text) {
    std::int32_t v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc{} || end != text.data() + text.size() || v < 1) return std::nullopt;
    return v;
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
    const auto payment = v.contains("--payment") ? number(v["--payment"]) : std::nullopt;
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
    const auto submission = v.contains("--submission") ? number(v["--submission"]) : std::nullopt;
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
