// pramo-cli report: writes a listing as PDF or as text without a display.

#include <QGuiApplication>
#include <cstdlib>
#include <iostream>
#include <map>

#include "cli/command.h"
#include "cli/data_dir.h"
#include "preview/page_painter.h"
#include "preview/page_text.h"
#include "reports/opcine_ispis.h"
#include "reports/vrste_dohotka_ispis.h"

namespace pramo::cli {
namespace {

using ReportFn = ReportResult (*)(Files&, Progress&);

const std::map<std::string, ReportFn>& reports() {
    static const std::map<std::string, ReportFn> all{{"opcine", &opcineIspis}, {"vrste", &ispisVrstaDohotka}};
    return all;
}

struct Options {
    std::string report;
    std::string dataDir;
    std::string pdf;
    std::string text;
};

std::optional<std::string> parse(const std::vector<std::string>& args, Options& o) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        std::string* value = a == "--data" ? &o.dataDir : a == "--pdf" ? &o.pdf : a == "--text" ? &o.text : nullptr;
        if (value) {
            if (i + 1 >= args.size() || args[i + 1].empty()) return a + " needs a value";
            *value = args[++i];
        } else if (o.report.empty() && !a.starts_with("-")) {
            o.report = a;
        } else {
            return "unexpected argument '" + a + "'";
        }
    }
    if (!reports().contains(o.report)) return "name a report: opcine or vrste";
    if (o.pdf.empty() == o.text.empty()) return "give exactly one of --pdf FILE and --text FILE";
    return std::nullopt;
}

int write(const ReportResult& r, const Options& o) {
    const QString path = QString::fromStdString(o.pdf.empty() ? o.text : o.pdf);
    std::vector<const Page*> pages;
    for (const Page& p : r.pages) pages.push_back(&p);
    const bool written = o.pdf.empty() ? writePagesAsText(pages, path) : writePdf(pages, path);
    if (!written) {
        std::cerr << "pramo-cli: cannot write " << path.toStdString() << "\n";
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
    const ReportResult r = reports().at(o.report)(data.files, progress);
    switch (r.end) {
    case RunEnd::Pages: return write(r, o);
    case RunEnd::NothingToPrint: std::cerr << "pramo-cli: nothing to print, the report found no records\n"; return ExitFailed;
    case RunEnd::Cancelled:
    case RunEnd::Failed: break;
    }
    std::cerr << "pramo-cli: the report failed reading " << r.failedFile << ": " << storeMessage(r.code) << "\n";
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

const Registration registration{{
    "report",
    "  report opcine|vrste [--data DIR] (--pdf FILE | --text FILE)\n"
    "      writes the municipalities (opcine) or income types (vrste) listing as PDF or as text",
    report,
}};

}  // namespace
}  // namespace pramo::cli
