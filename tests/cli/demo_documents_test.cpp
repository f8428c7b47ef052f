// The example office works out of the box: every document of every payment it makes is made
// without a word of warning.

#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "crisistax/azuriranje_podataka.h"
#include "records/layouts/dohoci.h"
#include "records/layouts/id1.h"
#include "records/layouts/isplate.h"
#include "records/layouts/kriznica.h"
#include "records/store/cursor.h"
#include "records/store/files.h"
#include "support/run_command.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"

namespace pramo::test {
namespace {

struct Payment {
    std::string number, payer;
    Date datum;
    std::vector<std::string> items;
};

// The payments of the office with their items, and what the desktop keeps beside them: an ID-1
// form per payer and year, and a crisis-tax return per payer and month filled from the payments
// (AŽURIRANJE PODATAKA). Answers the payments; `headers` and `returns` get the numbers of the ID-1
// forms and of the crisis-tax returns.
std::vector<Payment> yearAndMonthForms(const std::string& database, std::set<std::string>& headers,
                                       std::set<std::string>& returns) {
    Store store;
    EXPECT_EQ(store.openDatabase(database), StoreCode::Ok);
    ScriptedMessages messages;
    Files files{store};
    FileUse use(files, {&Isplate::table, &Dohoci::table, &Id1::table, &Kriznica::table});
    FileUse fill(files, azuriranjeFiles());
    std::vector<Payment> payments;
    Cursor all(store, Isplate::keyOznaka);
    for (Isplate isp; ok(all.next(isp));) payments.push_back({std::to_string(isp.oznaka), std::to_string(isp.isplatitelj), isp.datum, {}});
    Cursor items(store, Dohoci::keyOznaka);
    for (Dohoci doh; ok(items.next(doh));) payments[static_cast<std::size_t>(doh.isplata - 1)].items.push_back(std::to_string(doh.oznaka));
    std::set<std::string> made;
    for (const Payment& p : payments) {
        const std::int32_t payer = std::stoi(p.payer);
        const std::string year = std::to_string(p.datum.year());
        if (made.insert("id1 " + p.payer + " " + year).second) {
            Id1 h{.oznaka = static_cast<std::int32_t>(headers.size() + 1), .isplatitelj = payer, .storno = "false", .godina = year,
                  .konime = "Iva", .konprezime = "Horvat", .konpoz1 = 1, .kontel1 = "4567890", .konemail = "iva@rijec.hr"};
            EXPECT_EQ(store.add(h), StoreCode::Ok);
            headers.insert(std::to_string(h.oznaka));
        }
        if (!made.insert("ipp " + p.payer + " " + year + " " + std::to_string(p.datum.month())).second) continue;
        Kriznica k{.oznaka = static_cast<std::int32_t>(returns.size() + 1), .isplatitelj = payer, .godina = year,
                   .mjesec = static_cast<std::uint8_t>(p.datum.month())};
        EXPECT_EQ(store.add(k), StoreCode::Ok);
        EXPECT_TRUE(azuriranjePodataka(store, k.oznaka).written());
        returns.insert(std::to_string(k.oznaka));
    }
    EXPECT_TRUE(messages.shown.empty());
    return payments;
}

// What a command printed on standard error beside Qt's own notes about the session it runs in.
std::string warnings(const std::string& err) {
    std::istringstream lines(err);
    std::string out;
    for (std::string line; std::getline(lines, line);)
        if (!line.starts_with("QStandardPaths:")) out += line + "\n";
    return out;
}

TEST(DemoDocuments, EveryDocumentOfEveryPaymentWithoutAWarning) {
    TempDir dir;
    const std::string d = dir.path().string();
    ASSERT_EQ(runCommand(PRAMO_CLI, {"demo", d}).exitCode, 0);
    std::set<std::string> headers, returns;
    const std::vector<Payment> payments = yearAndMonthForms(dir.file("pramo.db"), headers, returns);
    ASSERT_FALSE(payments.empty());
    const auto quiet = [&](std::vector<std::string> args) {
        args.insert(args.end(), {"--data", d});
        const CommandResult r = runCommand(PRAMO_CLI, args);
        std::string command;
        for (const std::string& a : args) command += a + " ";
        EXPECT_EQ(r.exitCode, 0) << command << r.err;
        EXPECT_EQ(warnings(r.err), "") << command;
        return r.out.substr(0, r.out.find('\n'));
    };
    const auto report = [&](std::vector<std::string> args) {
        args.insert(args.begin(), "report");
        args.insert(args.end(), {"--text", dir.file("out.txt")});
        quiet(args);
    };
    for (const Payment& p : payments) {
        SCOPED_TRACE("payment " + p.number);
        const std::string submission = quiet({"joppd", "create", "--payment", p.number, "--author", "Iva Horvat", "--email", "iva@rijec.hr"});
        quiet({"joppd", "xml", "--submission", submission, "--out", d});
        for (const char* name : {"joppd-a", "joppd-b", "rsm-a", "rsm-b", "hub3", "hub3a", "obrisplate"}) report({name, "--payment", p.number});
        for (const std::string& item : p.items) report({"obracun", "--item", item});
        const std::string year = std::to_string(p.datum.year());
        report({"idd", "--payer", p.payer, "--year", year, "--month", std::to_string(p.datum.month())});
        for (const char* name : {"potvrde", "potvrde-kriznica", "id1", "dopis"}) report({name, "--payer", p.payer, "--year", year});
    }
    for (const std::string& h : headers) quiet({"id1", "xml", "--header", h, "--out", d});
    for (const std::string& r : returns) report({"kriznica", "--return", r});
    for (const char* listing : {"opcine", "vrste"}) report({listing});
}

}  // namespace
}  // namespace pramo::test
