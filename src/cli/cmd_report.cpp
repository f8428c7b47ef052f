// pramo-cli report: writes any declared report as PDF or as text without a display.

#include <QGuiApplication>
#include <charconv>
#include <cstdlib>
#include <iostream>
#include <set>

#include "cli/command.h"
#include "cli/data_dir.h"
#include "preview/page_painter.h"
#include "preview/page_text.h"
#include "reports/report_declaration.h"

namespace pramo::cli {
namespace {

// The command-line option of each value a report can be run for.
struct ArgOption {
    ReportArg arg;
    std::string_view option;
    std::string_view meta;
};

constexpr ArgOption argOptions[] = {
    {ReportArg::Payer, "--payer", "N"},          {ReportArg::Payee, "--payee", "N"},
    {ReportArg::Payment, "--payment", "N"},      {ReportArg::Item, "--item", "N"},
    {ReportArg::Submission, "--submission", "N"}, {ReportArg::Header, "--header", "N"},
    {ReportArg::Kriznica, "--return", "N"},       {ReportArg::Param, "--param", "N"},
    {ReportArg::Year, "--year", "Y"},             {ReportArg::Month, "--month", "M"},
    {ReportArg::Printer, "--printer", "M|L"},     {ReportArg::ReportDate, "--date", "DD.MM.YYYY"},
};

const ArgOption* optionNamed(std::string_view name) {
    for (const ArgOption& o : argOptions) {
        if (o.option == name) return &o;
    }
    return nullptr;
}

const ArgOption& optionOf(ReportArg arg) {
    for (const ArgOption& o : argOptions) {
        if (o.arg == arg) return o;
    }
    std::abort();  // every ReportArg has its option above
}

struct Options {
    const ReportSpec* spec = nullptr;
    std::string dataDir, pdf, text;
    ReportArgs args;
    std::set<std::string> given;
};

std::optional<std::string> number(std::string_view text, std::string_view option, int low, int high, int& out) {
    int v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc{} || end != text.data() + text.size() || v < low || v > high)
        return std::string(option) + " takes a whole number from " + std::to_string(low) + " to " + std::to_string(high) +
               ", not '" + std::string(text) + "'";
    out = v;
    return std::nullopt;
}

std::optional<std::string> setArg(ReportArgs& a, ReportArg arg, std::string_view option, std::string_view v) {
    int n = 0;
    std::optional<std::string> bad;
    switch (arg) {
    case ReportArg::Year: return number(v, option, 1900, 2999, a.year);
    case ReportArg::Month: return number(v, option, 1, 12, a.month);
    case ReportArg::Printer:
        if (v != "M" && v != "L") return "--printer takes M (matrix) or L (laser), not '" + std::string(v) + "'";
        a.printer = v == "M" ? PrinterKind::Matrix : PrinterKind::Laser;
        return std::nullopt;
    case ReportArg::ReportDate:
        a.reportDate = Date::parse(v);
        if (!a.reportDate || a.reportDate->isNull()) return "--date takes a day as DD.MM.YYYY, not '" + std::string(v) + "'";
        return std::nullopt;
    default: break;
    }
    bad = number(v, option, arg == ReportArg::Payee || arg == ReportArg::Param ? 0 : 1, 2147483647, n);
    if (bad) return bad;
    std::int32_t* target = arg == ReportArg::Payer ? &a.payer : arg == ReportArg::Payee ? &a.payee
                         : arg == ReportArg::Payment ? &a.payment : arg == ReportArg::Item ? &a.item
                         : arg == ReportArg::Submission ? &a.submission : arg == ReportArg::Header ? &a.header
                         : arg == ReportArg::Kriznica ? &a.kriznica : &a.param;
    *target = n;
    return std::nullopt;
}

bool declares(const ReportSpec& spec, ReportArg arg) {
    for (const ArgSpec& a : spec.args) {
        if (a.arg == arg) return true;
    }
    return false;
}

std::string reportNames() {
    std::string names;
    for (const ReportSpec* s : allReports()) names += (names.empty() ? "" : ", ") + std::string(s->name);
    return names;
}

std::optional<std::string> parseOne(const std::vector<std::string>& args, std::size_t& i, Options& o) {
    const std::string& a = args[i];
    if (!a.starts_with("-")) {
        if (o.spec) return "unexpected argument '" + a + "'";
        o.spec = findReport(a);
        if (!o.spec) return "name a report: " + reportNames() + " ('" + a + "' is not one)";
        return std::nullopt;
    }
    if (i + 1 >= args.size() || args[i + 1].empty()) return a + " needs a value";
    if (!o.given.insert(a).second) return a + " is given twice";
    const std::string& v = args[++i];
    if (a == "--data") o.dataDir = v;
    else if (a == "--pdf") o.pdf = v;
    else if (a == "--text") o.text = v;
    else if (const ArgOption* opt = optionNamed(a); opt && o.spec && declares(*o.spec, opt->arg)) return setArg(o.args, opt->arg, a, v);
    else if (opt && !o.spec) return "name the report before " + a;
    else return "unexpected argument '" + a + "'";
    return std::nullopt;
}

std::optional<std::string> parse(const std::vector<std::string>& args, Options& o) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (auto problem = parseOne(args, i, o)) return problem;
    }
    if (!o.spec) return "name a report: " + reportNames();
    for (const ArgSpec& a : o.spec->args) {
        const std::string option(optionOf(a.arg).option);
        if (a.required && !o.given.contains(option)) return "report " + std::string(o.spec->name) + " needs " + option;
    }
    if (o.pdf.empty() == o.text.empty()) return "give exactly one of --pdf FILE and --text FILE";
    return std::nullopt;
}

int write(const ReportResult& r, const Options& o) {
    const QString path = QString::fromStdString(o.pdf.empty() ? o.text : o.pdf);
    std::vector<const Page*> pages;
    for (const Page& p : r.pages) pages.push_back(&p);
    const WriteOutcome problem = !o.pdf.empty() ? writePdf(pages, path, o.spec->title)
                                 : r.text.empty() ? writePagesAsText(pages, path)
                                                  : writeLinesAsText(r.text, path);
    if (problem) {
        std::cerr << "pramo-cli: " << *problem << "\n";
        return ExitFailed;
    }
    std::cout << r.pages.size() << (r.pages.size() == 1 ? " page" : " pages") << " written to " << path.toStdString() << "\n";
    return ExitOk;
}

int run(const Options& o) {
    DataDir data;
    if (auto problem = openDataDir(o.dataDir, false, data)) {
        std::cerr << "pramo-cli: " << *problem << "\n";
        return ExitBadInput;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);  // pages are painted without a display
    static int argc = 1;
    static char name[] = "pramo-cli";
    static char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    SilentProgress progress;
    SystemClock clock;
    const ReportResult r = runDeclaredReport(*o.spec, data.files, o.args, clock, progress);
    switch (r.end) {
    case RunEnd::Pages: return write(r, o);
    case RunEnd::NothingToPrint: std::cerr << "pramo-cli: nothing to print, the report found no records\n"; return ExitFailed;
    case RunEnd::Cancelled:
    case RunEnd::Failed: break;
    }
    const StoreError& e = data.store.error();
    std::cerr << "pramo-cli: the report failed reading " << r.failedFile << ": "
              << (e.code == r.code ? e.text() : storeMessage(r.code)) << "\n";
    return ExitFailed;
}

int report(const std::vector<std::string>& args) {
    Options o;
    if (auto problem = parse(args, o)) {
        std::cerr << "pramo-cli report: " << *problem << "\n";
        return ExitBadInput;
    }
    return run(o);
}

std::string usageText() {
    std::string text = "  report NAME [OPTIONS] [--data DIR] (--pdf FILE | --text FILE)\n"
                       "      writes a report as PDF or as text; NAME and its options:";
    for (const ReportSpec* s : allReports()) {
        text += "\n        " + std::string(s->name);
        for (const ArgSpec& a : s->args) {
            const ArgOption& o = optionOf(a.arg);
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
