#pragma once
// A report declared once: its name on the command line, its title, the preview it opens in, the
// files it reads, what it is run for, and the function that makes its pages. The screens start it
// through startReport (preview/ui/run_report.h), pramo-cli through "report NAME"; both open the
// declared files for the run and name the file a failed read came from.
//
//   const ReportSpec opcineIspisReport{
//       .name = "opcine", .title = "Report the opcine File", .preview = PreviewKind::Simple,
//       .files = {&Opcine::table}, .summary = "the municipalities by name",
//       .run = [](ReportContext& rc, Progress& p) { return opcineIspis(rc, p); }};
//
// and one line in its subsystem's registration: catalog.add(opcineIspisReport).

#include <QString>
#include <functional>
#include <string_view>
#include <vector>

#include "documents/report_args.h"
#include "documents/report_run.h"
#include "records/store/files.h"

namespace pramo {

enum class PreviewKind { Simple, Full };

// What a report's run function works with.
struct ReportContext {
    Files& files;
    const ReportArgs& args;
    const Clock& clock;
    // Set when the pages go straight to a PDF file or a printer. A report whose page footers do
    // not show the page count gives its builder this sink (ReportBuilder::streamTo): each finished
    // page goes here instead of into the result (ReportResult::streamed counts them).
    PageSink sink = nullptr;
    Store& store() { return files.store(); }
};

using ReportFunction = std::function<ReportResult(ReportContext&, Progress&)>;

struct ReportSpec {
    std::string_view name{};               // pramo-cli report NAME
    QString title{};                       // the preview's title
    PreviewKind preview = PreviewKind::Simple;
    std::vector<const TableDef*> files{};  // every file the run reads; opened for the run
    std::vector<ArgSpec> args{};           // what it is run for
    std::string_view summary{};            // one line for "pramo-cli help"
    ReportFunction run{};
};

// The reports of the program, in the order they were registered: each subsystem adds its own
// (registerJoppdReports(catalog) ...), assembled by app/register_reports.cpp for both programs.
class ReportCatalog {
public:
    void add(const ReportSpec& spec) { reports_.push_back(&spec); }
    const std::vector<const ReportSpec*>& all() const { return reports_; }
    // The report of that command-line name; null when there is none.
    const ReportSpec* find(std::string_view name) const;

private:
    std::vector<const ReportSpec*> reports_;
};

// Opens the declared files, runs the report and closes them. A file that cannot be opened ends
// the run as Failed naming that file. With a `sink`, a report whose pages do not depend on later
// ones hands them there as they are made; the pages of the others (and any a streaming report
// kept) stay in the result, for the caller to give to the sink after.
ReportResult runDeclaredReport(const ReportSpec& spec, Files& files, const ReportArgs& args, const Clock& clock,
                               Progress& progress, const PageSink& sink = nullptr);

}  // namespace pramo
