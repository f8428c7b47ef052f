// pramo-cli joppd: the same submission and return as the screens, with exit codes for scripts.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/joppd_office.h"
#include "records/store/read_linked.h"
#include "support/run_command.h"

namespace pramo {
namespace {

namespace fs = std::filesystem;

test::CommandResult cli(std::vector<std::string> args) { return test::runCommand(PRAMO_CLI, std::move(args)); }

TEST(JoppdCli, CreateThenXml) {
    test::JoppdOffice o;
    o.payment(1, test::date(2015, 3, 10));
    o.item(1, 1, 2, "1000.00");
    const auto created = cli({"joppd", "create", "--payment", "1", "--data", o.dataDir(), "--author", "Marko Marić",
                              "--email", "marko@pramo.hr"});
    ASSERT_EQ(created.exitCode, 0) << created.err;
    EXPECT_EQ(created.out, "1\n");
    Jopo jopo;
    ASSERT_EQ(readLinked(o.store(), 1, jopo), StoreCode::Ok);
    EXPECT_EQ(jopo.imeautora, "Marko");
    EXPECT_EQ(jopo.prezimeautora, "Marić");
    EXPECT_TRUE(isUjed(jopo.ujed.view())) << jopo.ujed.str();

    const auto again = cli({"joppd", "create", "--payment", "1", "--data", o.dataDir()});
    EXPECT_EQ(again.exitCode, 2);
    EXPECT_EQ(again.err, "GREŠKA! OVAJ OBRAZAC JE VEĆ KREIRAN\nAKO ŽELITE KREIRATI NOVI ZA ISTU ISPLATU\n"
                         "UNESITE U JOP OBRASCIMA REDNI BROJ DRUGAČIJI OD 1\nILI IZBRIŠITE OBRAZAC U ISTOJ LISTI\n");

    const auto xml = cli({"joppd", "xml", "--submission", "1", "--data", o.dataDir()});
    ASSERT_EQ(xml.exitCode, 0) << xml.err;
    const std::string path = xml.out.substr(0, xml.out.size() - 1);
    EXPECT_EQ(fs::path(path).parent_path(), o.dir());
    EXPECT_TRUE(test::validJoppd(path));
    EXPECT_EQ(o.reread(jopo).datoteka.str(), path);
}

TEST(JoppdCli, PagesAAndB) {
    test::JoppdOffice o;
    o.payment(1, test::date(2015, 3, 10));
    o.item(1, 3, 2, "1000.00");
    for (const char* report : {"joppd-a", "joppd-b"}) {
        const std::string pdf = o.file(std::string(report) + ".pdf");
        const auto r = cli({"report", report, "--payment", "1", "--data", o.dataDir(), "--pdf", pdf});
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_GT(fs::file_size(pdf), 1000u) << report;
    }
    const auto text = o.file("b.txt");
    ASSERT_EQ(cli({"report", "joppd-b", "--payment", "1", "--data", o.dataDir(), "--text", text}).exitCode, 0);
    std::ifstream in(text);
    const std::string content{std::istreambuf_iterator<char>(in), {}};
    EXPECT_NE(content.find("0101990335008"), std::string::npos);  // JMBG for the payee without OIB
}

TEST(JoppdCli, Refusals) {
    test::JoppdOffice o;
    o.payment(1, test::date(2015, 3, 10));
    o.item(1, 3, 2, "1000.00");  // a payee without OIB
    o.submission(1);
    const struct {
        std::vector<std::string> args;
        const char* says;
    } cases[] = {
        {{"joppd"}, "navedite što učiniti"},
        {{"joppd", "create"}, "traži --payment"},
        {{"joppd", "create", "--payment", "x"}, "traži --payment"},
        {{"joppd", "create", "--payment", "9"}, "Isplata 9 nije upisana."},
        {{"joppd", "xml", "--submission", "1", "--out", "/nonexistent-dir"}, "nije mapa"},
        {{"joppd", "xml", "--submission", "9"}, "JOPPD obrazac 9 nije upisan."},
        {{"joppd", "xml", "--submission", "1"}, "Greška - nije unesen OIB primatelja!"},
        {{"joppd", "xml", "--submission", "1", "--submission", "1"}, "zadan dvaput"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.args;
        if (args.size() > 1) args.insert(args.end(), {"--data", o.dataDir()});
        const auto r = cli(args);
        EXPECT_EQ(r.exitCode, 2) << args.back();
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty()) << r.out;
    }
    for (const auto& entry : fs::directory_iterator(o.dataDir()))
        EXPECT_TRUE(entry.path().filename().string().starts_with("pramo.db")) << entry.path();
}

}  // namespace
}  // namespace pramo
