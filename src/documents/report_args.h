#pragma once
// What a report is run for (payer, payment, year ...), each value declared once: its command-line
// option, the form of its value and the member of ReportArgs it fills. A report names the values
// it reads in ReportSpec::args; pramo-cli reads them through this one table.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/values/date.h"

namespace pramo {

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

// How a value is given on the command line: "--year Y". `read` fills the value's member from the
// option's text and answers nullopt, or why the text is refused (in Croatian, naming the option).
struct ArgOption {
    ReportArg arg;
    std::string_view option;
    std::string_view meta;
    std::function<std::optional<std::string>(std::string_view text, ReportArgs& into)> read;
};

// Every value's option, in the order of ReportArg.
const std::vector<ArgOption>& argOptions();
const ArgOption& argOption(ReportArg arg);
const ArgOption* argOption(std::string_view option);

}  // namespace pramo
