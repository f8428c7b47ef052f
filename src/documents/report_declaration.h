#pragma once
// A report declared once: its name on the command line, its title, the preview it opens in, the
// files it reads, what it is run for, and the function that makes its pages. The screens start it
// through startReport (reports/ui/run_report.h), pramo-cli through "report NAME"; both open the
// declared files for the run and name the file a failed read came from.
//
//   const ReportSpec opcineIspisReport{
//       .name = "opcine", .title = "Report the opcine File", .preview = PreviewKind::Simple,
//       .files = {&Opcine::table}, .summary = "the municipalities by name",
//       .run = [](ReportContext& rc, Progress& p) { return opcineIspis(rc, p); }};
//
// and one line in allReports() (report_catalog.cpp).

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "records/store/files.h"
#include "records/values/date.h"
#include "documents/report_run.h"

namespace pramo {

enum class PreviewKind { Simple, Full };

// The paper a pre-printed form goes on: a matrix printer's continuous paper (with the offsets of
// a PARAM record) or a laser printer's sheets.
enum class PrinterKind { Matrix, Laser };

// What a report is run for. Each report reads only the values it declares in ReportSpec::args.
struct ReportArgs {
    std::int32_t payer = 0;       // SUBJEKTI
    std::int32_t payee = 0;       // OSOBE; 0: every payee
    std::int32_t payment = 0;     // ISPLATE
    std::int32_t item = 0;        // DOHOCI
    std::int32_t submission = 0;  // JOPO
    std::int32_t header = 0;      // ID1
    std::int32_t kriznica = 0;    // KRIZNICA (a crisis-tax return)
    std::int32_t param = 0;       // PARAM (matrix-printer offsets); 0: the first record
    int year = 0;
    int month = 0;
    PrinterKind printer = PrinterKind::Laser;
    std::optional<Date> reportDate{};  // the date a document is signed on; nullopt: today
};

// The values of ReportArgs a report is run for; each has its command-line option.
enum class ReportArg { Payer, Payee, Payment, Item, Submission, Header, Kriznica, Param, Year, Month, Printer, ReportDate };

struct ArgSpec {
    ReportArg arg;
    bool required = true;
};

// What a report's run function works with.
struct ReportContext {
    Files& files;
    const ReportArgs& args;
    const Clock& clock;
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

// Every report the program makes, in the order "pramo-cli help" lists them.
const std::vector<const ReportSpec*>& allReports();
// The report of that command-line name; null when there is none.
const ReportSpec* findReport(std::string_view name);

// Opens the declared files, runs the report and closes them. A file that cannot be opened ends
// the run as Failed naming that file.
ReportResult runDeclaredReport(const ReportSpec& spec, Files& files, const ReportArgs& args, const Clock& clock,
                               Progress& progress);

}  // namespace pramo
