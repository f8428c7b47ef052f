// pramo-cli payment duplicate: a copy of a payment with its income items, lines and slots, made
// as the payments list's "Duplikat" makes it (one transaction, all or nothing).

#include <iostream>
#include <map>

#include "cli/command.h"
#include "cli/data_dir.h"
#include "cli/output.h"
#include "cli/options.h"
#include "payments/duplication.h"
#include "payments/payment_dates.h"
#include "records/layouts/all_tables.h"

namespace pramo::cli {
namespace {

using Values = std::map<std::string, std::string>;

std::optional<std::string> parse(const std::vector<std::string>& args, Values& out) {
    CommandLine line;
    if (auto problem = readCommandLine(args, 1, {.valued = {"--payment", "--rsid", "--date", "--data", "--database"}}, line)) return problem->text();
    out = std::move(line.values);
    return std::nullopt;
}

bool fiveDigits(const std::string& s) {
    return s.size() == 5 && s.find_first_not_of("0123456789") == std::string::npos;
}

// The date and RS Id the command line asks for, over the proposal: a date brings its year and,
// from 2014 on, its RS Id; --rsid is taken as given. The number is never the user's: when another
// program takes it first the next is taken, and so is the payer's next free day unless the day
// or the RS Id was chosen here.
std::optional<std::string> apply(Values& v, DuplicateRequest& req) {
    req.retake = v.contains("--date") || v.contains("--rsid") ? Retake::Number : Retake::NumberAndDay;
    if (v.contains("--date")) {
        const auto d = Date::parse(v["--date"]);
        if (!d || d->isNull()) return "--date traži postojeći datum dd.mm.gggg, a ne '" + v["--date"] + "'";
        Isplate isp{.rsid = req.rsid, .datum = *d};
        rsIdFromDate(isp);
        req.datum = *d;
        req.rsid = isp.rsid;
        req.godina = std::to_string(d->year());
    }
    if (v.contains("--rsid")) {
        if (!fiveDigits(v["--rsid"])) return "--rsid traži pet znamenki (godina i dan u godini), a ne '" + v["--rsid"] + "'";
        req.rsid = v["--rsid"];
    }
    return std::nullopt;
}

int report(const DuplicateOutcome& o) {
    if (o.done()) {
        const std::string number = std::to_string(o.made.oznaka);
        return printSaved(number + "\n", "nova isplata " + number + " je spremljena (" + o.made.datum.toString() + ")");
    }
    std::cerr << o.message << "\n";
    return o.status == DuplicateStatus::CopyFailed ? ExitFailed : ExitBadInput;
}

int duplicate(const std::vector<std::string>& args) {
    Values v;
    if (auto problem = parse(args, v)) return refused("payment", *problem);
    const auto payment = v.contains("--payment") ? positiveNumber(v["--payment"]) : std::nullopt;
    if (!payment) return refused("payment", "duplicate traži --payment N (broj isplate od 1 nadalje)");
    DataDir d;
    if (auto problem = openDataDir(booksArgs(v), false, d)) return refused("payment", *problem);
    if (!openFiles(d, allTables())) return ExitFailed;
    DuplicateRequest req;
    Isplate old;
    const StoreCode found = proposeDuplicate(d.store, *payment, SystemClock().today(), old, req);
    if (found == StoreCode::NotFound) return refused("payment", "nema isplate " + std::to_string(*payment));
    if (!ok(found)) {
        std::cerr << "pramo-cli payment: greška baze podataka: " << d.store.error().text() << "\n";
        return ExitFailed;
    }
    if (auto problem = apply(v, req)) return refused("payment", *problem);
    return report(duplicatePayment(d.store, req));
}

int payment(const std::vector<std::string>& args) {
    if (!args.empty() && args[0] == "duplicate") return duplicate(args);
    return refused("payment", "navedite što učiniti: duplicate");
}

const Registration registration{
    {"payment", fixedUsage("  payment duplicate --payment N [--rsid R] [--date DD.MM.GGGG] [--data DIR] [--database URI]\n"
                           "      kopira isplatu N s njezinim dohocima, stavkama obračuna i načinima isplate (ništa\n"
                           "      se ne obračunava ponovno) na prvi slobodan dan isplatitelja od danas, ili na zadani\n"
                           "      datum (njegova godina i, od 2014., RS Id slijede ga), po želji s RS Id-om R;\n"
                           "      ispisuje broj nove isplate. Sve ili ništa: kopija koju nije moguće napraviti ne\n"
                           "      ostavlja ništa iza sebe"),
     payment}};

}  // namespace
}  // namespace pramo::cli
