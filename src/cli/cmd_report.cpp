// pramo-cli report: writes any declared report as PDF or as text without a display.

#include <QGuiApplication>
#include <algorithm>
#include <cstdlib>
#include <iostream>

#include "cli/command.h"
#include "cli/data_dir.h"
#include "cli/output.h"
#include "cli/options.h"
#include "preview/page_painter.h"
#include "records/store/atomic_file.h"
#include "preview/page_text.h"
#include "documents/report_declaration.h"

namespace pramo::cli {
namespace {

struct Options {
    const ReportSpec* spec = nullptr;
    BooksArgs books;
    std::string pdf, text;
    ReportArgs args;
};

bool declares(const ReportSpec& spec, ReportArg arg) { return std::ranges::find(spec.args, arg, &ArgSpec::arg) != spec.args.end(); }

std::string reportNames() {
    std::string names;
    for (const ReportSpec* s : reportCatalog().all()) names += (names.empty() ? "" : ", ") + std::string(s->name);
    return names;
}

OptionRules rules() {
    OptionRules r{.valued = {"--data", "--database", "--pdf", "--text"}, .words = 1};
    for (const ArgOption& o : argOptions()) r.valued.emplace(o.option);
    return r;
}

// The values the report is run for, each option one the report declares.
std::optional<std::string> reportArgs(const CommandLine& line, Options& o) {
    for (const auto& [name, value] : line.values) {
        const ArgOption* opt = argOption(name);
        if (!opt) continue;  // --data, --database, --pdf, --text
        if (!declares(*o.spec, opt->arg)) return "neočekivani argument '" + name + "'";
        if (auto bad = opt->read(value, o.args)) return bad;
    }
    for (const ArgSpec& a : o.spec->args) {
        const std::string option(argOption(a.arg).option);
        if (a.required && !line.has(option)) return "izvještaj " + std::string(o.spec->name) + " traži " + option;
    }
    return std::nullopt;
}

std::optional<std::string> parse(const std::vector<std::string>& args, Options& o) {
    CommandLine line;
    if (auto problem = readCommandLine(args, 0, rules(), line)) return problem->text();
    if (line.words.empty()) return "navedite izvještaj: " + reportNames();
    o.spec = reportCatalog().find(line.words[0]);
    if (!o.spec) return "navedite izvještaj: " + reportNames() + " ('" + line.words[0] + "' nije izvještaj)";
    if (auto problem = reportArgs(line, o)) return problem;
    o.books = booksArgs(line.values);
    o.pdf = line.value("--pdf");
    o.text = line.value("--text");
    if (o.pdf.empty() == o.text.empty()) return "zadajte točno jedno od --pdf DATOTEKA i --text DATOTEKA";
    return std::nullopt;
}

// Writes the text of a run, or answers for the PDF painted while it ran (`painted`).
int write(const ReportResult& r, const Options& o, const WriteOutcome& painted) {
    const QString path = QString::fromStdString(o.pdf.empty() ? o.text : o.pdf);
    std::vector<const Page*> pages;
    for (const Page& p : r.pages) pages.push_back(&p);
    const WriteOutcome problem = !o.pdf.empty() ? painted
                                 : r.text.empty() ? writePagesAsText(pages, path)
                                                  : writeLinesAsText(r.text, path);
    if (problem) {
        std::cerr << "pramo-cli: " << problem->croatian() << "\n";
        return ExitFailed;
    }
    for (const std::string& note : r.notes) std::cerr << "pramo-cli: " << note << "\n";
    const std::string written = "stranica: " + std::to_string(r.pages.size() + static_cast<std::size_t>(r.streamed)) +
                                ", zapisano u " + path.toStdString();
    return printSaved(written + "\n", written);
}

int run(const Options& o) {
    DataDir data;
    if (auto problem = openDataDir(o.books, false, data)) {
        std::cerr << "pramo-cli: " << *problem << "\n";
        return ExitBadInput;
    }
    // A target that may not be written is refused before the report is run (the open database is
    // known by now, so its files are refused too).
    if (const WriteOutcome refused = checkWritableTarget(o.pdf.empty() ? o.text : o.pdf)) {
        std::cerr << "pramo-cli: " << refused->croatian() << "\n";
        return ExitFailed;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);  // pages are painted without a display
    static int argc = 1;
    static char name[] = "pramo-cli";
    static char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    SilentProgress progress;
    SystemClock clock;
    ReportResult r;
    const auto runIt = [&](const PageSink& sink) {
        r = openFiles(data, o.spec->files)
                ? runDeclaredReport(*o.spec, data.files, o.args, clock, progress, sink)
                : ReportResult{RunEnd::Failed, {}, data.store.error().code, std::string(data.unusable->name)};
    };
    // A PDF is painted as the pages are made: those a report streams are never all held.
    WriteOutcome painted;
    if (o.pdf.empty()) runIt(nullptr);
    else painted = writePdf([&](const PageSink& sink) {
        runIt(sink);
        for (const Page& p : r.pages) sink(p);
        return r.end == RunEnd::Pages;
    }, QString::fromStdString(o.pdf), o.spec->title);
    switch (r.end) {
    case RunEnd::Pages: return write(r, o, painted);
    case RunEnd::NothingToPrint: std::cerr << "pramo-cli: nema ništa za ispis, izvještaj nije našao nijedan slog\n"; return ExitFailed;
    case RunEnd::Refused: std::cerr << "pramo-cli: " << r.refusal << "\n"; return ExitFailed;
    case RunEnd::Cancelled:
    case RunEnd::Failed: break;
    }
    const StoreError& e = data.store.error();
    std::cerr << "pramo-cli: izvještaj nije uspio pročitati " << r.failedFile << ": "
              << (e.code == r.code ? e.text() : storeMessage(r.code)) << "\n";
    return ExitFailed;
}

int report(const std::vector<std::string>& args) {
    Options o;
    if (auto problem = parse(args, o)) return refused("report", *problem);
    return run(o);
}

std::string usageText() {
    std::string text = "  report IME [OPCIJE] [--data DIR] [--database URI] (--pdf DATOTEKA | --text DATOTEKA)\n"
                       "      zapisuje izvještaj kao PDF ili kao tekst; IME i njegove opcije:";
    for (const ReportSpec* s : reportCatalog().all()) {
        text += "\n        " + std::string(s->name);
        for (const ArgSpec& a : s->args) {
            const ArgOption& o = argOption(a.arg);
            const std::string opt = std::string(o.option) + " " + std::string(o.meta);
            text += " " + (a.required ? opt : "[" + opt + "]");
        }
        text += "\n            " + std::string(s->summary);
    }
    return text;
}

const Registration registration{{"report", usageText, report}};

}  // namespace
}  // namespace pramo::cli
