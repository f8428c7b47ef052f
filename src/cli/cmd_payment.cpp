// pramo-cli payment duplicate: a copy of a payment with its income items, lines and slots, made
// as the payments list's "Duplikat" makes it (one transaction, all or nothing).

#include <iostream>
#include <map>

#include "cli/command.h"
#include "cli/data_dir.h"
#include "cli/options.h"
#include "payments/duplication.h"
#include "payments/payment_dates.h"
#include "records/layouts/all_tables.h"

namespace pramo::cli {
namespace {

using Values = std::map<std::string, std::string>;

int refuse(const std::string& problem) {
    std::cerr << "pramo-cli payment: " << problem << "\n";
    return ExitBadInput;
}

std::optional<std::string> parse(const std::vector<std::string>& args, Values& out) {
    CommandLine line;
    if (auto problem = readCommandLine(args, 1, {.valued = {"--payment", "--rsid", "--date", "--data"}}, line)) return problem->text();
    out = std::move(line.values);
    return std::nullopt;
}

bool fiveDigits(const std::string& s) {
    return s.size() == 5 && s.find_first_not_of("0123456789") == std::string::npos;
}

// The date and RS Id the command line asks for, over the proposal: a date brings its year and,
// from 2014 on, its RS Id; --rsid is taken as given.
std::optional<std::string> apply(Values& v, DuplicateRequest& req) {
    if (v.contains("--date")) {
        const auto d = Date::parse(v["--date"]);
        if (!d || d->isNull()) return "--date takes a date dd.mm.yyyy that exists, not '" + v["--date"] + "'";
        Isplate isp{.rsid = req.rsid, .datum = *d};
        rsIdFromDate(isp);
        req.datum = *d;
        req.rsid = isp.rsid;
        req.godina = std::to_string(d->year());
    }
    if (v.contains("--rsid")) {
        if (!fiveDigits(v["--rsid"])) return "--rsid takes five digits (year and day of the year), not '" + v["--rsid"] + "'";
        req.rsid = v["--rsid"];
    }
    return std::nullopt;
}

int report(const DuplicateOutcome& o, const DuplicateRequest& req) {
    if (o.done()) {
        std::cout << req.number << "\n";
        return ExitOk;
    }
    std::cerr << o.message << "\n";
    return o.status == DuplicateStatus::CopyFailed ? ExitFailed : ExitBadInput;
}

int duplicate(const std::vector<std::string>& args) {
    Values v;
    if (auto problem = parse(args, v)) return refuse(*problem);
    const auto payment = v.contains("--payment") ? positiveNumber(v["--payment"]) : std::nullopt;
    if (!payment) return refuse("duplicate needs --payment N (a payment number from 1)");
    DataDir d;
    if (auto problem = openDataDir(v.contains("--data") ? v["--data"] : "", false, d)) return refuse(*problem);
    if (!openFiles(d, allTables())) return ExitFailed;
    DuplicateRequest req;
    Isplate old;
    const StoreCode found = proposeDuplicate(d.store, *payment, SystemClock().today(), old, req);
    if (found == StoreCode::NotFound) return refuse("there is no payment " + std::to_string(*payment));
    if (!ok(found)) {
        std::cerr << "pramo-cli payment: the store failed: " << d.store.error().text() << "\n";
        return ExitFailed;
    }
    if (auto problem = apply(v, req)) return refuse(*problem);
    return report(duplicatePayment(d.store, req), req);
}

int payment(const std::vector<std::string>& args) {
    if (!args.empty() && args[0] == "duplicate") return duplicate(args);
    return refuse("name what to do: duplicate");
}

const Registration registration{
    {"payment", fixedUsage("  payment duplicate --payment N [--rsid R] [--date DD.MM.YYYY] [--data DIR]\n"
                           "      copies payment N with its income items, calculation lines and payment methods\n"
                           "      (nothing recalculated) to the payer's first free day from today, or to the date\n"
                           "      given (its year and, from 2014, its RS Id follow it), optionally with RS Id R;\n"
                           "      prints the new payment's number. All or nothing: a copy that cannot be made\n"
                           "      leaves nothing behind"),
     payment}};

}  // namespace
}  // namespace pramo::cli
