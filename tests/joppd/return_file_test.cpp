// The JOPPD return as a file: the values of each recipient category, worked out by hand from the
// engine's cases (net 1000,00 of an author's fee, 30 % expenses, pillars 15 and 5, health 15,
// tax 25 %, surtax 18 %: gross 1439,26 ...) or step by step for the tax-only and non-taxable
// types; page A totals; counting; the place of the file; and every file validated in the test.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "joppd/return_file.h"
#include "support/joppd_office.h"
#include "records/layouts/mjesta.h"
#include "records/layouts/opcine.h"
#include "records/layouts/osobe.h"

namespace pramo {
namespace {

namespace fs = std::filesystem;

struct Written {
    ReturnFileOutcome outcome;
    std::unique_ptr<test::ReturnXml> xml;
};

Written writeReturn(test::JoppdOffice& o, const Jopo& jopo, const std::string& outDir = {}) {
    const FixedClock clock(test::date(2015, 3, 15), 3723);
    Written w{writeReturnFile(o.store(), clock, jopo.oznaka, {o.dataDir(), outDir}), nullptr};
    if (w.outcome.created) {
        EXPECT_TRUE(test::validJoppd(w.outcome.path));
        w.xml = std::make_unique<test::ReturnXml>(w.outcome.path);
    }
    return w;
}

struct CategoryCase {
    const char* name;
    int year, month, day;
    std::int32_t payee;
    std::uint8_t type;
    const char* neto;
    std::int16_t method;
    std::map<std::string, std::string> row;    // page B elements
    std::map<std::string, std::string> pageA;  // page A elements below StranaA
};

const std::map<std::string, std::string> noTotals{
    {"PredujamPoreza/P2", "0.00"}, {"PredujamPoreza/P5", "0.00"}, {"Doprinosi/GeneracijskaSolidarnost/P2", "0.00"},
    {"Doprinosi/KapitaliziranaStednja/P2", "0.00"}, {"Doprinosi/ZdravstvenoOsiguranje/P5", "0.00"},
    {"IsplaceniNeoporeziviPrimici", "0.00"}};

std::map<std::string, std::string> totals(std::map<std::string, std::string> set) {
    std::map<std::string, std::string> all = noTotals;
    for (auto& [k, v] : set) all[k] = v;
    return all;
}

const CategoryCase categoryCases[] = {
    {"02 author's fee", 2015, 3, 10, 1, 2, "1000.00", 1,
     {{"P2", "01333"}, {"P3", "00000"}, {"P4", "69435151530"}, {"P5", "Ivan Horvat"}, {"P61", "4002"}, {"P62", "4001"},
      {"P101", "2015-01-01"}, {"P102", "2015-12-31"}, {"P11", "1439.26"}, {"P12", "1007.48"}, {"P121", "151.12"},
      {"P122", "50.37"}, {"P123", "151.12"}, {"P131", "431.78"}, {"P132", "201.49"}, {"P133", "805.99"},
      {"P135", "805.99"}, {"P141", "201.50"}, {"P142", "36.27"}, {"P151", "0"}, {"P152", "0.00"}, {"P161", "1"},
      {"P162", "1000.00"}, {"P17", "0.00"}},
     totals({{"PredujamPoreza/P5", "237.77"}, {"Doprinosi/GeneracijskaSolidarnost/P2", "151.12"},
             {"Doprinosi/KapitaliziranaStednja/P2", "50.37"}, {"Doprinosi/ZdravstvenoOsiguranje/P5", "151.12"}})},
    {"01 scholarship: no base in P12", 2015, 3, 10, 1, 5, "1000.00", 3,
     {{"P61", "4001"}, {"P62", "4003"}, {"P101", "2015-01-01"}, {"P102", "2015-12-31"}, {"P11", "1418.44"},
      {"P12", "0.00"}, {"P121", "0.00"}, {"P131", "0.00"}, {"P133", "1418.44"}, {"P135", "1418.44"},
      {"P141", "354.61"}, {"P142", "63.83"}, {"P161", "3"}},
     totals({{"PredujamPoreza/P5", "418.44"}})},
    {"11 interest: tax in PredujamPoreza/P2", 2015, 3, 10, 1, 4, "1000.00", 1,
     {{"P61", "1001"}, {"P62", "1004"}, {"P11", "1164.96"}, {"P12", "0.00"}, {"P133", "1164.96"},
      {"P141", "139.80"}, {"P142", "25.16"}, {"P151", "0"}},
     totals({{"PredujamPoreza/P2", "164.96"}})},
    {"00 per diem in January, works elsewhere, no payment method", 2015, 1, 15, 2, 6, "500.00", 0,
     {{"P2", "04090"}, {"P3", "01333"}, {"P5", "Ana Kovačević"}, {"P61", "0000"}, {"P62", "0000"},
      {"P101", "2014-12-01"}, {"P102", "2014-12-31"}, {"P11", "0.00"}, {"P12", "0.00"}, {"P131", "500.00"},
      {"P133", "0.00"}, {"P135", "0.00"}, {"P141", "0.00"}, {"P151", "17"}, {"P152", "500.00"}, {"P161", "2"},
      {"P162", "500.00"}},
     totals({{"IsplaceniNeoporeziviPrimici", "500.00"}})},
    {"00 travel costs: one-digit code with a leading zero", 2015, 3, 10, 1, 7, "250.00", 4,
     {{"P3", "01333"}, {"P101", "2015-02-01"}, {"P102", "2015-02-28"}, {"P151", "01"}, {"P152", "250.00"},
      {"P161", "4"}},
     totals({{"IsplaceniNeoporeziviPrimici", "250.00"}})},
};

using JoppdReturn = test::OnEngine;

TEST_P(JoppdReturn, EachCategory) {
    for (const CategoryCase& c : categoryCases) {
        SCOPED_TRACE(c.name);
        test::JoppdOffice o(GetParam());
        const Isplate isp = o.payment(1, test::date(c.year, c.month, c.day));
        o.item(1, c.payee, c.type, c.neto, c.method);
        const Written w = writeReturn(o, o.submission(1));
        ASSERT_TRUE(w.outcome.created) << w.outcome.message;
        EXPECT_EQ(w.outcome.message, "XML datoteka kreirana");
        const auto rows = w.xml->rows();
        ASSERT_EQ(rows.size(), 1u);
        for (const auto& [element, value] : c.row) EXPECT_EQ(rows[0].at(element), value) << element;
        for (const auto& [element, value] : c.pageA) EXPECT_EQ(w.xml->text("StranaA/" + element), value) << element;
        EXPECT_EQ(w.xml->text("StranaA/DatumIzvjesca"), isp.datum.isoString());
        EXPECT_EQ(w.xml->text("StranaA/OznakaIzvjesca"), isp.rsid.str());
    }
}

TEST_P(JoppdReturn, HeaderAndElementOrder) {
    test::JoppdOffice o(GetParam());
    o.payment(1, test::date(2015, 3, 10));
    o.item(1, 1, 2, "1000.00");
    const Jopo jopo = o.submission(1);
    const Written w = writeReturn(o, jopo);
    ASSERT_TRUE(w.outcome.created) << w.outcome.message;
    const std::map<std::string, std::string> expected{
        {"Metapodaci/Autor", "Marko Marić"},        {"Metapodaci/Datum", "2015-03-15T01:02:03"},
        {"Metapodaci/Identifikator", jopo.ujed.str()}, {"Metapodaci/Tip", "Elektronički obrazac"},
        {"StranaA/VrstaIzvjesca", "1"},             {"StranaA/PodnositeljIzvjesca/Naziv", "Pramo d.o.o."},
        {"StranaA/PodnositeljIzvjesca/Adresa/Mjesto", "Zagreb"}, {"StranaA/PodnositeljIzvjesca/Adresa/Ulica", "Ilica"},
        {"StranaA/PodnositeljIzvjesca/Adresa/Broj", "1"}, {"StranaA/PodnositeljIzvjesca/Email", "marko@pramo.hr"},
        {"StranaA/PodnositeljIzvjesca/OIB", "12345678903"}, {"StranaA/PodnositeljIzvjesca/Oznaka", "1"},
        {"StranaA/NaknadaZaposljavanjeInvalida/P1", "0"}, {"StranaA/IzvjesceSastavio/Prezime", "Marić"},
    };
    for (const auto& [path, value] : expected) EXPECT_EQ(w.xml->text(path), value) << path;
    EXPECT_EQ(w.xml->rowElementNames(0),
              (std::vector<std::string>{"P1",   "P2",   "P3",   "P4",   "P5",   "P61",  "P62",  "P71",  "P72",  "P8",
                                        "P9",   "P10",  "P100", "P101", "P102", "P11",  "P12",  "P121", "P122", "P123",
                                        "P124", "P125", "P126", "P127", "P128", "P129", "P131", "P132", "P133", "P134",
                                        "P135", "P141", "P142", "P151", "P152", "P161", "P162", "P17"}));
    EXPECT_EQ(fs::path(w.outcome.path).filename(), "JOP_15069_" + jopo.ujed.str().substr(0, 4) + ".xml");
    EXPECT_EQ(o.reread(jopo).datoteka.str(), w.outcome.path);
}

// Page A adds up page B: tax and surtax by category, contributions, non-taxable receipts.
TEST_P(JoppdReturn, PageATotalsAreTheSumsOfPageB) {
    test::JoppdOffice o(GetParam());
    o.payment(1, test::date(2015, 3, 10));
    for (const auto& [payee, type] : std::vector<std::pair<int, std::uint8_t>>{{1, 2}, {2, 2}, {1, 5}, {2, 4}, {1, 7}, {2, 6}})
        o.item(1, payee, type, "1000.00");
    const Written w = writeReturn(o, o.submission(1));
    ASSERT_TRUE(w.outcome.created) << w.outcome.message;
    std::map<std::string, std::int64_t> sums;  // in cents
    for (const auto& row : w.xml->rows()) {
        const auto cents = [&](const char* e) { return Money::parse(row.at(e)).value_or(Money::whole(-1)).raw(); };
        sums[row.at("P61") == "1001" ? "PredujamPoreza/P2" : "PredujamPoreza/P5"] += cents("P141") + cents("P142");
        sums["Doprinosi/GeneracijskaSolidarnost/P2"] += cents("P121");
        sums["Doprinosi/KapitaliziranaStednja/P2"] += cents("P122");
        sums["Doprinosi/ZdravstvenoOsiguranje/P5"] += cents("P123");
        sums["IsplaceniNeoporeziviPrimici"] += cents("P152");
    }
    for (const auto& [path, cents] : sums)
        EXPECT_EQ(w.xml->text("StranaA/" + path), formatDecimal(cents, 2, {NumberUse::Xml})) << path;
    EXPECT_EQ(w.xml->text("StranaA/IsplaceniNeoporeziviPrimici"), "2000.00");
    EXPECT_EQ(w.xml->text("StranaA/BrojOsoba"), "2");
    EXPECT_EQ(w.xml->text("StranaA/BrojRedaka"), "6");
}

TEST_P(JoppdReturn, CountsAndRows) {
    const struct {
        const char* name;
        std::vector<std::int32_t> payees;  // one item of type 2 each
        const char* brojOsoba;
    } cases[] = {
        {"empty payment", {}, "0"},
        {"two items of one payee", {1, 1}, "1"},
        {"150 items", std::vector<std::int32_t>(150, 2), "1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::JoppdOffice o(GetParam());
        o.payment(1, test::date(2015, 3, 10));
        for (std::int32_t payee : c.payees) o.item(1, payee, 2, "100.00");
        const Written w = writeReturn(o, o.submission(1));
        ASSERT_TRUE(w.outcome.created) << w.outcome.message;
        const auto rows = w.xml->rows();
        ASSERT_EQ(rows.size(), c.payees.size());
        for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i].at("P1"), std::to_string(i + 1));
        EXPECT_EQ(w.xml->text("StranaA/BrojRedaka"), std::to_string(c.payees.size()));
        EXPECT_EQ(w.xml->text("StranaA/BrojOsoba"), c.brojOsoba);
        if (c.payees.empty()) {
            for (const auto& [path, zero] : noTotals) EXPECT_EQ(w.xml->text("StranaA/" + path), zero) << path;
        }
    }
}

TEST_P(JoppdReturn, NamesInP5) {
    const struct {
        const char* ime;
        const char* prezime;
        const char* p5;
    } cases[] = {
        {"Ana  Marija", "Čačić   Đurđević", "Ana Marija Čačić Đurđević"},
        {"Ivo <&>", "O'Brien \"Jr\"", "Ivo <&> O'Brien \"Jr\""},
        {"Aaaaaaaaaaaaaaaaaaaa", "Bbbbbbbbbbbbbbbbš", "Aaaaaaaaaaaaaaaaaaaa Bbbbbbbbbbbbbbbbš"},    // 39 bytes: whole
        {"Aaaaaaaaaaaaaaaaaaaa", "Bbbbbbbbbbbbbbbbbbš", "Aaaaaaaaaaaaaaaaaaaa Bbbbbbbbbbbbbbbbbb"},  // 41: cut before š
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.p5);
        test::JoppdOffice o(GetParam());
        o.office.add(Osobe{.oznaka = 4, .ime = c.ime, .prezime = c.prezime, .oib = "00000000001", .mjesto = 1,
                           .drugistup = "DA", .faktorodbitka = test::rate("1")});
        o.payment(1, test::date(2015, 3, 10));
        o.item(1, 4, 2, "100.00");
        const Written w = writeReturn(o, o.submission(1));
        ASSERT_TRUE(w.outcome.created) << w.outcome.message;
        EXPECT_EQ(w.xml->rows().at(0).at("P5"), c.p5);
    }
}

// A payee living abroad is named by the five digits of the country's code, in P2 and (working in
// another country, a non-taxable receipt) in P3, without a leading 0 added.
TEST_P(JoppdReturn, APayeeAbroadIsNamedByTheCountryCode) {
    test::JoppdOffice o(GetParam());
    o.office.add(Opcine{.oznaka = 3, .shifra = "99404", .naziv = "AUSTRIJA"});
    o.office.add(Mjesta{.oznaka = 3, .naziv = "Wien", .opcina = 3});
    o.office.add(Osobe{.oznaka = 4, .ime = "Anna", .prezime = "Huber", .oib = "00000000001", .mjesto = 3,
                       .fax = "DA", .email = "99705", .drugistup = "DA", .faktorodbitka = test::rate("1")});
    o.payment(1, test::date(2015, 3, 10));
    o.item(1, 4, 2, "100.00");
    o.item(1, 4, 6, "50.00", 0);
    const Written w = writeReturn(o, o.submission(1));
    ASSERT_TRUE(w.outcome.created) << w.outcome.message;
    const auto rows = w.xml->rows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].at("P2"), "99404");
    EXPECT_EQ(rows[0].at("P3"), "00000");
    EXPECT_EQ(rows[1].at("P2"), "99404");
    EXPECT_EQ(rows[1].at("P3"), "99705");
}

std::string contentOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A blank OIB on the third item: the message names the row and the payee, and the file and the
// submission stay as the last successful run left them.
TEST_P(JoppdReturn, AFailingItemWritesNothing) {
    test::JoppdOffice o(GetParam());
    o.payment(1, test::date(2015, 3, 10));
    o.item(1, 1, 2, "1000.00");
    o.item(1, 2, 2, "1000.00");
    const Jopo jopo = o.submission(1);
    const Written before = writeReturn(o, jopo);
    ASSERT_TRUE(before.outcome.created) << before.outcome.message;
    const std::string earlier = contentOf(before.outcome.path);
    o.item(1, 3, 2, "1000.00");
    const Written after = writeReturn(o, jopo);
    EXPECT_FALSE(after.outcome.created);
    EXPECT_EQ(after.outcome.message,
              "Greška - nije unesen OIB primatelja!\nRedak 3 stranice B (stavka br. 3), primatelj Šimić Đurđa (šifra 3).\n"
              "XML datoteka nije kreirana.");
    EXPECT_EQ(contentOf(before.outcome.path), earlier);
    EXPECT_EQ(o.reread(jopo).datoteka.str(), before.outcome.path);
    for (const auto& entry : fs::directory_iterator(o.dataDir())) {  // no temporary left
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name.starts_with("pramo.db") || entry.path() == before.outcome.path) << name;
    }
}

TEST_P(JoppdReturn, TheFileGoesIntoXmlWhenThatDirectoryExists) {
    for (const bool xmlDir : {false, true}) {
        test::JoppdOffice o(GetParam());
        if (xmlDir) fs::create_directory(o.dir() / "XML");
        o.payment(1, test::date(2015, 3, 10));
        const Jopo jopo = o.submission(1);
        const Written w = writeReturn(o, jopo);
        ASSERT_TRUE(w.outcome.created) << w.outcome.message;
        EXPECT_EQ(fs::path(w.outcome.path).parent_path(), xmlDir ? o.dir() / "XML" : o.dir());
        EXPECT_EQ(o.reread(jopo).datoteka.str(), w.outcome.path);
    }
}

TEST_P(JoppdReturn, WritingAgainReplacesTheFile) {
    test::JoppdOffice o(GetParam());
    o.payment(1, test::date(2015, 3, 10));
    o.item(1, 1, 2, "1000.00");
    const Jopo jopo = o.submission(1);
    const Written first = writeReturn(o, jopo);
    o.item(1, 2, 2, "500.00");
    const Written second = writeReturn(o, jopo);
    ASSERT_TRUE(second.outcome.created) << second.outcome.message;
    EXPECT_EQ(second.outcome.path, first.outcome.path);
    EXPECT_EQ(second.xml->rows().size(), 2u);
}

PRAMO_ON_BOTH_ENGINES(JoppdReturn);

}  // namespace
}  // namespace pramo
