// pramo-cli demo and payment duplicate.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "records/values/date.h"
#include "support/raw_db.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

namespace pramo::test {
namespace {

// The example office is sound, its payment makes a JOPPD return the official schema accepts, its
// ID-1 form lists the payees paid, and a directory that holds data is left alone.
TEST(DemoCli, ExampleOfficeIsSoundAndFiles) {
    TempDir dir;
    const std::string d = dir.path().string();
    CommandResult r = runCommand(PRAMO_CLI, {"demo", d});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("primatelja: 25, isplata: 6, obračunatih dohodaka: 28"), std::string::npos) << r.out;
    r = runCommand(PRAMO_CLI, {"check", d});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_NE(r.out.find("sve datoteke su ispravne"), std::string::npos) << r.out;
    r = runCommand(PRAMO_CLI, {"joppd", "create", "--payment", "1", "--data", d, "--author", "Iva Horvat", "--email", "iva@rijec.hr"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    r = runCommand(PRAMO_CLI, {"joppd", "xml", "--submission", "1", "--data", d, "--out", d});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    const std::string year = RawDb(dir.file("pramo.db")).value("SELECT GODINA FROM ISPLATE WHERE OZNAKA = 1");
    r = runCommand(PRAMO_CLI, {"report", "id1", "--payer", "1", "--year", year, "--text", dir.file("id1.txt"), "--data", d});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    std::ifstream id1(dir.file("id1.txt"));
    std::stringstream text;
    text << id1.rdbuf();
    EXPECT_NE(text.str().find("Ivan Horvat"), std::string::npos) << text.str();  // paid in payment 1
    r = runCommand(PRAMO_CLI, {"demo", d});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("već ima podatke"), std::string::npos) << r.err;
}

// Every document of every payment of the example office is made: the JOPPD return (validated), the
// printed pages, orders, listings and the forms of its month and year. Payments of today are taxed
// at the municipalities' rates without surtax, the one of 2016 with its surtax and in kuna.
TEST(DemoCli, EveryDocumentOfEveryPayment) {
    TempDir dir;
    const std::string d = dir.path().string();
    ASSERT_EQ(runCommand(PRAMO_CLI, {"demo", d}).exitCode, 0);
    RawDb raw(dir.file("pramo.db"));
    const auto run = [&](std::vector<std::string> args) {
        args.insert(args.end(), {"--data", d});
        const CommandResult r = runCommand(PRAMO_CLI, args);
        EXPECT_EQ(r.exitCode, 0) << args[0] << " " << args[1] << " " << args[2] << ": " << r.err;
        return r;
    };
    const auto text = [&](std::vector<std::string> args) {
        args.insert(args.begin(), "report");
        args.insert(args.end(), {"--text", dir.file("out.txt")});
        run(args);
        std::ifstream in(dir.file("out.txt"));
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    for (int p = 1; p <= 6; ++p) {
        const std::string n = std::to_string(p);
        SCOPED_TRACE("payment " + n);
        const std::string payer = raw.value("SELECT ISPLATITELJ FROM ISPLATE WHERE OZNAKA = " + n);
        const std::string datum = raw.value("SELECT DATUM FROM ISPLATE WHERE OZNAKA = " + n);
        const Date day = Date::fromSerial(std::stoi(datum));
        const bool today = day.year() > 2016;
        const std::string submission = run({"joppd", "create", "--payment", n, "--author", "Iva Horvat", "--email", "i@h.hr"}).out;
        const std::string xml = run({"joppd", "xml", "--submission", submission.substr(0, submission.find('\n')), "--out", d}).out;
        std::ifstream file(xml.substr(0, xml.find('\n')));
        const std::string joppd(std::istreambuf_iterator<char>(file), {});
        EXPECT_EQ(joppd.find("<P142>") != std::string::npos && joppd.find("<P142>0.00</P142>") == std::string::npos, !today);
        for (const char* name : {"joppd-a", "joppd-b", "rsm-a", "rsm-b", "hub3", "hub3a"}) text({name, "--payment", n});
        EXPECT_EQ(text({"obrisplate", "--payment", n}).find("po stopama općina") != std::string::npos, today);
        const std::string year = std::to_string(day.year()), month = std::to_string(day.month());
        EXPECT_NE(text({"idd", "--payer", payer, "--year", year, "--month", month}).find(today ? "eurima" : "kunama"), std::string::npos);
        text({"potvrde", "--payer", payer, "--year", year});
        text({"id1", "--payer", payer, "--year", year});
        const std::string items = raw.value("SELECT group_concat(OZNAKA) FROM DOHOCI WHERE ISPLATA = " + n);
        std::stringstream each(items);
        for (std::string item; std::getline(each, item, ',');) text({"obracun", "--item", item});
    }
    const CommandResult check = runCommand(PRAMO_CLI, {"check", d});
    EXPECT_EQ(check.exitCode, 0) << check.out;
}

TEST(DemoCli, PaymentDuplicate) {
    TempDir dir;
    const std::string d = dir.path().string();
    ASSERT_EQ(runCommand(PRAMO_CLI, {"demo", d}).exitCode, 0);
    RawDb raw(dir.file("pramo.db"));
    CommandResult r = runCommand(PRAMO_CLI, {"payment", "duplicate", "--payment", "2", "--data", d});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "7\n");
    EXPECT_EQ(raw.value("SELECT COUNT(*) FROM DOHOCI WHERE ISPLATA = 7"), "6");
    const std::string taken = raw.value("SELECT RSID FROM ISPLATE WHERE OZNAKA = 7");
    const std::string before = raw.value("SELECT COUNT(*) FROM ISPLATE") + raw.value("SELECT COUNT(*) FROM OBRACUN");
    const std::vector<std::string> refused[] = {{"--payment", "2", "--rsid", taken}, {"--payment", "99"},
                                                {"--payment", "2", "--rsid", "15x01"}, {"--payment", "2", "--date", "31.04.2015"}};
    for (const auto& args : refused) {
        std::vector<std::string> line{"payment", "duplicate", "--data", d};
        line.insert(line.end(), args.begin(), args.end());
        r = runCommand(PRAMO_CLI, line);
        EXPECT_EQ(r.exitCode, 2) << args[1];
        EXPECT_FALSE(r.err.empty());
    }
    EXPECT_EQ(raw.value("SELECT COUNT(*) FROM ISPLATE") + raw.value("SELECT COUNT(*) FROM OBRACUN"), before);
}

}  // namespace
}  // namespace pramo::test
