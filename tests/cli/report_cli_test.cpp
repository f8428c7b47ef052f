#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>
#include <filesystem>

#include "records/store/files.h"
#include "records/layouts/opcine.h"
#include "support/raw_db.h"
#include "support/run_command.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"

namespace pramo {
namespace {

struct Outcome {
    int exit;
    QString out;
    QString err;
};

// pramo-cli run with `args`, what it printed as text.
Outcome cli(const QStringList& args) {
    std::vector<std::string> argv;
    for (const QString& a : args) argv.push_back(a.toStdString());
    const test::CommandResult r = test::runCommand(PRAMO_CLI, argv);
    return {r.exitCode, QString::fromStdString(r.out), QString::fromStdString(r.err)};
}

class ReportCli : public testing::Test {
protected:
    void SetUp() override {
        Store store;
        ASSERT_EQ(store.openDatabase(dir.file("pramo.db")), StoreCode::Ok);
        test::ScriptedMessages messages;
        Files files(store);
        ASSERT_EQ(files.open(Opcine::table), StoreCode::Ok);
        for (auto [shifra, naziv, rate] : {std::tuple{"0133", "Zagreb", 1800}, {"0051", "Čakovec", 1000}, {"0027", "Bjelovar", 0}}) {
            Opcine opc;
            opc.shifra = shifra;
            opc.naziv = naziv;
            opc.stopaprireza = Rate7::fromRaw(rate);
            ASSERT_EQ(store.add(opc), StoreCode::Ok);
        }
    }
    QString path(const char* name) const { return QString::fromStdString(dir.file(name)); }
    QString data() const { return QString::fromStdString(dir.path().string()); }

    test::TempDir dir;
};

TEST_F(ReportCli, MunicipalitiesAsPdf) {
    const Outcome r = cli({"report", "opcine", "--data", data(), "--pdf", path("x.pdf")});
    ASSERT_EQ(r.exit, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("stranica: 1, zapisano u ")) << r.out.toStdString();
    const std::string text = test::pdfText(path("x.pdf").toStdString());
    for (const char* s : {"Report the opcine File", "Zagreb", "Čakovec", "Bjelovar", "0133", "18,00", "10,00", "Page 1"}) {
        EXPECT_NE(text.find(s), std::string::npos) << s << "\n" << text;
    }
}

TEST_F(ReportCli, IncomeTypesWithNoneIsNothingToPrint) {
    const Outcome r = cli({"report", "vrste", "--data", data(), "--text", path("v.txt")});
    EXPECT_EQ(r.exit, 1);
    EXPECT_TRUE(r.err.contains("nema ništa za ispis")) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("v.txt")));
}

TEST_F(ReportCli, MunicipalitiesAsText) {
    ASSERT_EQ(cli({"report", "opcine", "--data", data(), "--text", path("o.txt")}).exit, 0);
    QFile f(path("o.txt"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 5);
    EXPECT_TRUE(lines[0].contains("Report the opcine File"));
    EXPECT_TRUE(lines.back().contains("Page 1"));
}

TEST_F(ReportCli, RefusesBadCommandLines) {
    const struct {
        QStringList args;
        const char* message;
    } cases[] = {
        {{"report"}, "navedite izvještaj"},
        {{"report", "nepoznat", "--pdf", "a.pdf"}, "navedite izvještaj"},
        {{"report", "opcine"}, "točno jedno od"},
        {{"report", "opcine", "--pdf", "a.pdf", "--text", "a.txt"}, "točno jedno od"},
        {{"report", "opcine", "--pdf"}, "--pdf traži vrijednost"},
        {{"report", "opcine", "--pdf", "a.pdf", "--data", "/no/such/dir"}, "ne postoji"},
    };
    for (const auto& c : cases) {
        const Outcome r = cli(c.args);
        EXPECT_EQ(r.exit, 2) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(c.message)) << r.err.toStdString();
    }
    const Outcome r = cli({"report", "opcine", "--data", data(), "--pdf", path("no/dir/x.pdf")});
    EXPECT_EQ(r.exit, 1);
    EXPECT_TRUE(r.err.contains("nije moguće snimiti")) << r.err.toStdString();
}

TEST_F(ReportCli, NeverWritesOverTheDatabase) {
    std::filesystem::create_symlink("pramo.db-wal", dir.file("wal-link"));
    for (const char* target : {"pramo.db", "wal-link", "./pramo.db-shm"}) {
        for (const char* as : {"--pdf", "--text"}) {
            const Outcome r = cli({"report", "opcine", "--data", data(), as, path(target)});
            EXPECT_EQ(r.exit, 1) << target << as;
            EXPECT_TRUE(r.err.contains("datoteka baze podataka")) << r.err.toStdString();
        }
    }
    const Outcome empty = cli({"report", "vrste", "--data", data(), "--text", path("pramo.db")});  // refused before it runs
    EXPECT_TRUE(empty.err.contains("datoteka baze podataka")) << empty.err.toStdString();
    test::RawDb raw(dir.file("pramo.db"));
    EXPECT_EQ(raw.value("SELECT count(*) FROM OPCINE"), "3");
    EXPECT_EQ(raw.value("PRAGMA quick_check"), "ok");
}

TEST_F(ReportCli, APdfCutShortByAFileSizeLimitFailsAndLeavesNoFile) {
    {
        Store store;
        ASSERT_EQ(store.openDatabase(dir.file("pramo.db")), StoreCode::Ok);
        Transaction tx(store, 10);
        for (int i = 1000; i < 1800; ++i) {  // some twenty pages, well over the limit below
            Opcine opc;
            opc.shifra = std::to_string(i);
            opc.naziv = "Općina " + std::to_string(i);
            ASSERT_EQ(store.add(opc), StoreCode::Ok);
        }
        ASSERT_EQ(tx.commit(), StoreCode::Ok);
    }
    // The limit leaves room for the database's shared-memory file (32 KiB), not for the PDF.
    const auto r = test::runCommand(PRAMO_CLI, {"report", "opcine", "--data", dir.path().string(), "--pdf", dir.file("o.pdf")},
                                    {}, {.fileSizeBytes = 40000});
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    EXPECT_NE(r.err.find("nije moguće snimiti"), std::string::npos) << r.err;
    EXPECT_EQ(r.out.find("zapisano"), std::string::npos) << r.out;
    for (const auto& e : std::filesystem::directory_iterator(dir.path()))
        EXPECT_FALSE(e.path().filename().string().find("o.pdf") != std::string::npos) << e.path();
}

}  // namespace
}  // namespace pramo
