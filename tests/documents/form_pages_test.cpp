// Every printed form held against its golden page file (documents/pages/NAME.txt): the pages as
// text, then every object drawn on them (text runs, lines, boxes, 2D codes with their positions,
// fonts and pens), so that a change to how a form is drawn shows as a difference here. The golden
// files are refreshed only on purpose: PRAMO_REFRESH_PAGES=1 writes what the program draws now.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "app/register_reports.h"
#include "crisistax/azuriranje_podataka.h"
#include "documents/page_dump.h"
#include "records/layouts/id1.h"
#include "records/layouts/kriznica.h"
#include "records/layouts/osobe.h"
#include "records/layouts/param.h"
#include "records/layouts/vrstedoh.h"
#include "documents/report_declaration.h"
#include "preview/page_painter.h"
#include "support/office.h"
#include "support/run_command.h"
#include "support/temp_dir.h"
#include "support/test_data.h"

namespace pramo {
namespace {

using test::date;
using test::money;
using test::rate;

struct FormCase {
    const char* file;    // documents/pages/<file>.txt
    const char* report;  // the report's command-line name
    ReportArgs args;
};

// Built on first use: dates are made after the program's static tables are.
const std::vector<FormCase>& formCases() {
    static const std::vector<FormCase> cases{
        {"opcine", "opcine", {}},
        {"vrste", "vrste", {}},
        {"kriznica", "kriznica", {.kriznica = 1}},
        {"joppd-a", "joppd-a", {.payment = 3}},
        {"joppd-b", "joppd-b", {.payment = 3}},
        {"id1", "id1", {.payer = 1, .year = 2010}},
        {"dopis", "dopis", {.payer = 1, .header = 1, .year = 2010}},
        {"rsm-a", "rsm-a", {.payment = 1, .printer = PrinterKind::Laser}},
        {"rsm-a-matrix", "rsm-a", {.payment = 1, .printer = PrinterKind::Matrix}},
        {"rsm-b", "rsm-b", {.payment = 1}},
        {"hub3", "hub3", {.payment = 1, .printer = PrinterKind::Laser}},
        {"hub3-matrix", "hub3", {.payment = 1, .param = 1, .printer = PrinterKind::Matrix}},
        {"hub3a", "hub3a", {.payment = 1}},
        {"potvrde", "potvrde", {.payer = 1, .year = 2015, .reportDate = date(2015, 12, 31)}},
        {"potvrde-kriznica", "potvrde-kriznica", {.payer = 1, .year = 2010, .reportDate = date(2010, 12, 31)}},
        {"idd", "idd", {.payer = 1, .year = 2010, .month = 3}},
        {"obracun", "obracun", {.item = 2}},
        {"obrisplate", "obrisplate", {.payment = 1}},
        {"primatelji", "primatelji", {.payment = 1}},
    };
    return cases;
}

Vrstedoh taxedType(std::uint8_t oznaka, const char* naziv, const char* account, const char* expenses) {
    return {.oznaka = oznaka, .naziv = naziv, .poreznastopa = rate("25"), .rnporez = account, .tipporez = "I",
            .visestopa = "NE", .priznatitroskovi = rate(expenses), .mirovinskoistup = rate("15"),
            .mirovinskoiistup = rate("5"), .zdravstvenoosiguranje = rate("15"), .osnovaobracuna = "021",
            .rezstringa = "02", .rezstringb = "4030"};
}

// The office every form is drawn from: the standard registers, two taxed types with revenue
// accounts, two payments of 2010 (one item above the crisis-tax limit) and one of 2015, a crisis-tax return filled
// from them, an ID-1 header and a matrix printer's offsets.
class FormPages : public testing::Test {
protected:
    void SetUp() override {
        office.standardRegisters();
        office.add(taxedType(4, "Ugovor o djelu", "1805", "0"));
        office.add(taxedType(5, "Autorski honorar", "1422", "30"));
        office.add(Osobe{.oznaka = 4, .ime = "Ana  Marija", .prezime = "Bäcker", .oib = "33392005961", .mjesto = 1,
                         .drugistup = "DA", .faktorodbitka = rate("1")});
        payment(1, date(2010, 3, 15), "10074");
        payment(2, date(2010, 7, 1), "10182");
        payment(3, date(2015, 3, 16), "15075");
        item(1, 1, 1, 4, "1000.00", 1);
        item(2, 1, 2, 5, "7000.00", 1);
        item(3, 1, 3, 3, "300.00", 4);
        item(4, 1, 4, 1, "2500.00", 1);
        item(5, 2, 1, 5, "500.00", 1);
        item(6, 3, 1, 4, "1000.00", 1);
        item(7, 3, 2, 1, "800.00", 4);
        office.add(Kriznica{.oznaka = 1, .isplatitelj = 1, .godina = "2010", .mjesec = 3});
        ASSERT_TRUE(azuriranjePodataka(office.store(), 1).written());
        office.add(Id1{.oznaka = 1, .isplatitelj = 1, .storno = "false", .godina = "2010", .konime = "Marko",
                       .konprezime = "Marić", .konpoz1 = 1, .kontel1 = "4567890", .konemail = "marko@pramo.hr"});
        office.add(Param{.oznaka = 1, .xpos = 3, .ypos = -2, .modelprintera = "Epson LX"});
    }

    void payment(std::int32_t n, Date day, const char* rsid) {
        office.add(Isplate{.oznaka = n, .isplatitelj = 1, .rsid = rsid, .datum = day, .godina = std::to_string(day.year())});
    }
    void item(std::int32_t n, std::int32_t payment, std::int32_t payee, std::uint8_t type, const char* neto, std::int16_t method) {
        office.item({.oznaka = n, .rednibroj = static_cast<std::uint16_t>(n), .isplata = payment, .djelatnik = payee,
                     .vrstadohotka = type, .neto = money(neto)},
                    method);
    }

    test::TestData data;
    test::Office office{data.files, date(2010, 12, 20)};
};

std::string goldenPath(const char* file) { return std::string(PRAMO_TEST_DIR) + "/documents/pages/" + file + ".txt"; }

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST_F(FormPages, EachFormDrawsItsGoldenPages) {
    const bool refresh = std::getenv("PRAMO_REFRESH_PAGES") != nullptr;
    ReportCatalog catalog;
    registerAllReports(catalog);
    for (const FormCase& c : formCases()) {
        SCOPED_TRACE(c.file);
        const ReportSpec* spec = catalog.find(c.report);
        ASSERT_NE(spec, nullptr) << c.report;
        SilentProgress progress;
        const ReportResult r = runDeclaredReport(*spec, data.files, c.args, office.clock(), progress);
        ASSERT_EQ(r.end, RunEnd::Pages) << r.failedFile;
        const std::string drawn = test::dumpPages(r.pages);
        if (refresh) {
            std::ofstream(goldenPath(c.file), std::ios::binary) << drawn;
            continue;
        }
        // The first line that differs, then the whole dump for a closer look.
        const std::string golden = readFile(goldenPath(c.file));
        ASSERT_FALSE(golden.empty()) << "no golden file " << goldenPath(c.file) << " (PRAMO_REFRESH_PAGES=1 makes it)";
        EXPECT_EQ(test::firstDifference(golden, drawn), "") << c.file;
    }
}

// Painted into a PDF as they are made, the pages of a report whose footers do not show the page
// count are handed on one by one, never all held; the file is the one painted of the kept pages,
// byte for byte (its date aside). A report whose footer shows the count keeps its pages and makes
// the same file. A run that makes no page writes no file.
TEST_F(FormPages, StreamedPdfIsThatOfKeptPages) {
    payment(4, date(2015, 6, 1), "15152");
    for (std::int32_t n = 8; n < 108; ++n) item(n, 4, 1 + n % 4, static_cast<std::uint8_t>(4 + n % 2), "100.00", 1);
    struct Case {
        const char* report;
        ReportArgs args;
        bool streams;
    };
    const Case cases[] = {
        {"joppd-b", {.payment = 4}, true},
        {"rsm-b", {.payment = 4}, true},
        {"primatelji", {.payment = 4}, true},
        {"potvrde", {.payer = 1, .year = 2015, .reportDate = date(2015, 12, 31)}, true},
        {"id1", {.payer = 1, .year = 2010}, false},
        {"primatelji", {.payment = 5}, false},  // no such payment: nothing to print
    };
    ReportCatalog catalog;
    registerAllReports(catalog);
    test::TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.report);
        const ReportSpec& spec = *catalog.find(c.report);
        SilentProgress progress;
        const ReportResult all = runDeclaredReport(spec, data.files, c.args, office.clock(), progress);
        const std::string kept = dir.file("kept.pdf"), streamed = dir.file("streamed.pdf");
        std::filesystem::remove(kept);
        EXPECT_EQ(writePdf(all.pages, QString::fromStdString(kept), spec.title).has_value(), all.pages.empty());
        ReportResult r;
        const auto make = [&](const PageSink& sink) {
            r = runDeclaredReport(spec, data.files, c.args, office.clock(), progress, sink);
            for (const Page& p : r.pages) sink(p);
            return r.end == RunEnd::Pages;
        };
        EXPECT_EQ(writePdf(make, QString::fromStdString(streamed), spec.title).has_value(), all.pages.empty());
        EXPECT_EQ(r.streamed, c.streams ? static_cast<int>(all.pages.size()) : 0);
        EXPECT_EQ(r.pages.size(), c.streams ? 0u : all.pages.size());
        EXPECT_TRUE(!c.streams || all.pages.size() > 1) << all.pages.size();
        EXPECT_TRUE(test::pdfBytesWithoutDate(streamed) == test::pdfBytesWithoutDate(kept));  // not printed: binary
        std::filesystem::remove(streamed);
    }
}

}  // namespace
}  // namespace pramo
