#include <gtest/gtest.h>

#include "preview/page_text.h"
#include "records/store/files.h"
#include "records/layouts/opcine.h"
#include "records/layouts/vbrat.h"
#include "records/layouts/vrstedoh.h"
#include "reports/opcine_ispis.h"
#include "reports/vrste_dohotka_ispis.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"

namespace pramo {
namespace {

class Listings : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(store.openDatabase(dir.file("pramo.db")), StoreCode::Ok); }

    void addOpcina(const char* shifra, const char* naziv, std::int64_t rateRaw) {
        FileUse use(files, {&Opcine::table});
        Opcine opc;
        opc.shifra = shifra;
        opc.naziv = naziv;
        opc.rkont = "HR12";
        opc.racunporez = "1234567890";
        opc.stopaprireza = Rate7::fromRaw(rateRaw);
        ASSERT_EQ(store.add(opc), StoreCode::Ok);
    }
    void addVrsta(std::uint8_t oznaka, const char* naziv, const char* rezstringb) {
        FileUse use(files, {&Vrstedoh::table});
        Vrstedoh vrs;
        vrs.oznaka = oznaka;
        vrs.naziv = naziv;
        vrs.poreznastopa = Rate::fromRaw(2000);
        vrs.rnporez = "1406";
        vrs.mirovinskoistup = Rate::fromRaw(750);
        vrs.rezstringb = rezstringb;
        ASSERT_EQ(store.add(vrs), StoreCode::Ok);
    }
    // Every page's text lines, one after the other.
    static QStringList textOf(const ReportResult& r) {
        QStringList lines;
        for (const Page& p : r.pages) lines << pageAsText(p);
        return lines;
    }
    static qsizetype lineWith(const QStringList& lines, const QString& text) {
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (lines[i].contains(text)) return i;
        }
        return -1;
    }

    test::TempDir dir;
    Store store;
    test::ScriptedMessages messages;
    Files files{store};
    SilentProgress progress;
    FixedClock clock{Date{}};

    ReportResult run(const ReportSpec& spec) { return runDeclaredReport(spec, files, {}, clock, progress); }
};

TEST_F(Listings, MunicipalitiesByNameWithRates) {
    addOpcina("0001", "Zagreb", 1800);
    addOpcina("0002", "Čakovec", 1000);
    addOpcina("0003", "Bjelovar", 0);
    addOpcina("0004", "Cres", 5);
    const ReportResult r = run(opcineIspisReport);
    ASSERT_EQ(r.end, RunEnd::Pages);
    ASSERT_EQ(r.pages.size(), 1u);
    const QStringList lines = textOf(r);
    const auto title = lineWith(lines, "Report the opcine File");
    const auto captions = lineWith(lines, "Stopa Prireza");
    ASSERT_GE(title, 0);
    EXPECT_GT(captions, title);
    for (const char* caption : {"Shifra", "Naziv", "RK ont", "Racun Porez"}) EXPECT_TRUE(lines[captions].contains(caption));
    const auto b = lineWith(lines, "Bjelovar"), c = lineWith(lines, "Cres"), cc = lineWith(lines, "Čakovec"),
               z = lineWith(lines, "Zagreb");
    EXPECT_TRUE(captions < b && b < c && c < cc && cc < z) << lines.join('\n').toStdString();
    EXPECT_TRUE(lines[z].contains("18,00"));
    EXPECT_TRUE(lines[z].contains("0001"));
    EXPECT_TRUE(lines[z].contains("HR12"));
    EXPECT_TRUE(lines[z].contains("1234567890"));
    EXPECT_TRUE(lines[c].contains("0,05"));
    EXPECT_FALSE(lines[b].contains(",00"));  // a zero rate is blank
    EXPECT_TRUE(lines.back().contains("Page 1"));
}

TEST_F(Listings, MunicipalitiesOverSeveralPages) {
    for (int i = 0; i < 150; ++i) {
        const std::string name = "Opcina " + std::to_string(1000 + i);
        addOpcina("0000", name.c_str(), 1000);
    }
    const ReportResult r = run(opcineIspisReport);
    ASSERT_EQ(r.end, RunEnd::Pages);
    ASSERT_GT(r.pages.size(), 1u);
    int rows = 0;
    for (std::size_t i = 0; i < r.pages.size(); ++i) {
        const QStringList lines = pageAsText(r.pages[i]);
        EXPECT_TRUE(lines.front().contains("Report the opcine File")) << i;
        EXPECT_TRUE(lines.back().contains(QStringLiteral("Page %1").arg(i + 1))) << i;
        rows += static_cast<int>(lines.filter("Opcina 1").size());
    }
    EXPECT_EQ(rows, 150);
}

TEST_F(Listings, NoMunicipalitiesNothingToPrint) {
    EXPECT_EQ(run(opcineIspisReport).end, RunEnd::NothingToPrint);
}

TEST_F(Listings, IncomeTypesWithTheirCodeBookText) {
    addVrsta(3, "Autorski honorar", "4001");
    addVrsta(1, "Drugi dohodak", "4030      XYZ");  // only the first ten characters are the code
    addVrsta(2, "Nepoznata oznaka", "9999");
    const ReportResult r = run(ispisVrstaDohotkaReport);
    ASSERT_EQ(r.end, RunEnd::Pages);
    const QStringList lines = textOf(r);
    EXPECT_GE(lineWith(lines, "PREGLED VRSTA DOHOTKA"), 0);
    const auto heading = lineWith(lines, "Vrsta dohotka");
    const auto captions = lineWith(lines, "Porezna stopa");
    EXPECT_GT(captions, heading);
    for (const char* caption : {"Ozn.", "Neop. Dio", "šifra", "Prizn. troškovi", "MO I. stup", "MO II stup", "Z.O."}) {
        EXPECT_TRUE(lines[captions].contains(caption)) << caption;
    }
    const auto drugi = lineWith(lines, "Drugi dohodak"), nepoznata = lineWith(lines, "Nepoznata"),
               autorski = lineWith(lines, "Autorski honorar");
    EXPECT_TRUE(drugi < nepoznata && nepoznata < autorski);
    EXPECT_TRUE(lines[autorski].contains("20,00"));
    EXPECT_TRUE(lines[autorski].contains("7,50"));
    EXPECT_TRUE(lines[autorski].contains("1406"));
    EXPECT_TRUE(lines[autorski + 1].contains("4001"));
    EXPECT_TRUE(lines[autorski + 1].contains("Primici od autorskih naknada"));
    EXPECT_TRUE(lines[drugi + 1].contains("4030      XYZ"));
    EXPECT_TRUE(lines[drugi + 1].contains("Ostali primici koje"));
    EXPECT_EQ(lines[nepoznata + 1].trimmed(), "9999");  // no such code: an empty description
}

TEST_F(Listings, LongCodeBookTextWraps) {
    addVrsta(1, "Ostalo", "4005");
    const ReportResult r = run(ispisVrstaDohotkaReport);
    ASSERT_EQ(r.end, RunEnd::Pages);
    Vbrat vbr;
    vbr.shifra = "4005";
    ASSERT_EQ(store.get(Vbrat::keyShifra, vbr), StoreCode::Ok);
    QStringList words;
    int lines = 0;
    for (const PageItem& item : r.pages.front().items()) {
        const auto* run = std::get_if<TextRun>(&item);
        if (run && run->at.x() == 50.0) {
            words << run->text;
            ++lines;
        }
    }
    EXPECT_GT(lines, 1);
    EXPECT_EQ(words.join(' ').toStdString(), vbr.naziv.str());
}

}  // namespace
}  // namespace pramo
