// The printed pages A and B of a payment: what each column of page B shows, what page A counts
// and adds up (its sums are those of page B's columns), and the pages as the preview gets them.

#include <gtest/gtest.h>

#include "joppd/page_a.h"
#include "joppd/page_b.h"
#include "joppd/page_b_columns.h"
#include "joppd/return_rows.h"
#include "support/joppd_office.h"
#include "records/layouts/vrstedoh.h"
#include "documents/report_declaration.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace pramo {
namespace {

std::vector<ItemContext> itemsOf(Store& store, std::int32_t payment) {
    std::vector<ItemContext> out;
    EXPECT_EQ(ItemReader(store, joppdItem).forPayment(payment, [&](const ItemContext& f) {
                  out.push_back(f);
                  return StoreCode::Ok;
              }),
              StoreCode::Ok);
    return out;
}

std::size_t column(std::string_view number) {
    for (std::size_t i = 0; i < pageBColumnCount; ++i)
        if (pageBColumns()[i].number == number) return i;
    ADD_FAILURE() << "no column " << number;
    return 0;
}

// "1.439,26" in cents.
std::int64_t cents(const std::string& printed) {
    std::string plain;
    for (char c : printed)
        if (c != '.') plain += c == ',' ? '.' : c;
    return Money::parse(plain).value_or(Money::whole(-1)).raw();
}

struct ColumnCase {
    const char* name;
    std::int32_t payee;
    std::uint8_t type;
    const char* neto;
    std::map<std::string, std::string> shows;
};

const ColumnCase columnCases[] = {
    {"02: the base in col. 12, the year as the period", 1, 2, "1000.00",
     {{"2", "01333"}, {"3", "00000"}, {"4", "69435151530"}, {"5", "Horvat Ivan"}, {"6.1", "4002"}, {"6.2", "4001"},
      {"10.1", "01.01.2015"}, {"10.2", "31.12.2015"}, {"11", "1.439,26"}, {"12", "1.007,48"}, {"12.1", "151,12"},
      {"12.2", "50,37"}, {"12.3", "151,12"}, {"13.1", "431,78"}, {"13.2", "201,49"}, {"13.3", "805,99"},
      {"13.5", "805,99"}, {"14.1", "201,50"}, {"14.2", "36,27"}, {"15.1", "0"}, {"15.2", "0,00"}, {"16.1", "1"},
      {"16.2", "1.000,00"}, {"17", "0,00"}}},
    {"no OIB: the JMBG, surname first", 3, 2, "1000.00", {{"4", "0101990335008"}, {"5", "Šimić Đurđa"}}},
    {"01: no base", 1, 5, "1000.00", {{"6.1", "4001"}, {"11", "1.418,44"}, {"12", "0,00"}}},
    {"11: no base", 1, 4, "1000.00", {{"6.1", "1001"}, {"12", "0,00"}, {"14.1", "139,80"}}},
    {"00: nothing taxable, the net is the non-taxable amount", 2, 6, "500.00",
     {{"3", "01333"}, {"10.1", "01.02.2015"}, {"10.2", "28.02.2015"}, {"11", "0,00"}, {"12", "0,00"},
      {"13.1", "500,00"}, {"13.3", "0,00"}, {"13.5", "0,00"}, {"15.1", "17"}, {"15.2", "500,00"}, {"16.2", "500,00"}}},
    {"a non-taxable code outside category 00 still prints the previous month", 1, 8, "1000.00",
     {{"6.1", "4002"}, {"10.1", "01.02.2015"}, {"10.2", "28.02.2015"}, {"15.1", "17"}, {"15.2", "0,00"}}},
};

TEST(JoppdPageB, Columns) {
    for (const ColumnCase& c : columnCases) {
        SCOPED_TRACE(c.name);
        test::JoppdOffice o;
        Vrstedoh vrs{.oznaka = 8, .naziv = "Honorar s kodom", .poreznastopa = test::rate("25"), .visestopa = "NE",
                     .priznatitroskovi = test::rate("30"), .mirovinskoistup = test::rate("15"),
                     .mirovinskoiistup = test::rate("5"), .zdravstvenoosiguranje = test::rate("15"), .rezstringa = "02",
                     .rezstringb = "4001", .rezdecimala = test::dec<Dec<9, 2>>("17")};
        o.office.add(vrs);
        o.payment(1, test::date(2015, 3, 10));
        o.item(1, c.payee, c.type, c.neto);
        const auto items = itemsOf(o.store(), 1);
        ASSERT_EQ(items.size(), 1u);
        const PageBValues v = pageBValues(items[0], test::date(2015, 3, 10));
        for (const auto& [number, text] : c.shows) EXPECT_EQ(v[column(number)], text) << "col. " << number;
    }
}

// Page A: every item counts as a row, only existing payees as persons; the tax of category "11"
// goes to line V.2, of the others to V.5; and each total is the sum of its page B column.
TEST(JoppdPageA, CountsAndSumsOfPageB) {
    test::JoppdOffice o;
    o.payment(1, test::date(2015, 3, 10));
    for (const auto& [payee, type] : std::vector<std::pair<int, std::uint8_t>>{{1, 2}, {3, 2}, {1, 5}, {1, 4}, {2, 7}, {2, 6}})
        o.item(1, payee, type, "1000.00");
    o.office.add(Dohoci{.oznaka = 99, .rednibroj = 7, .isplata = 1, .djelatnik = 77, .vrstadohotka = 2});  // payee deleted
    PageA a;
    std::map<int, std::int64_t> fromB;
    for (const ItemContext& f : itemsOf(o.store(), 1)) {
        addToPageA(f, a);
        const PageBValues v = pageBValues(f, test::date(2015, 3, 10));
        fromB[pageAEntry(15, 12)] += cents(v[column("12.1")]);
        fromB[pageAEntry(21, 12)] += cents(v[column("12.2")]);
        fromB[pageAEntry(25, 15)] += cents(v[column("12.3")]);
        fromB[v[column("6.1")] == "1001" ? pageAEntry(11, 21) : pageAEntry(11, 51)] +=
            cents(v[column("14.1")]) + cents(v[column("14.2")]);
        if (v[column("15.1")] != "0") fromB[pageAEntry(35, 1)] += cents(v[column("16.2")]);
    }
    EXPECT_EQ(a.rows, 7);
    EXPECT_EQ(a.payees.size(), 3u);
    for (const auto& [entry, sum] : fromB) EXPECT_EQ(a.amounts[entry].raw(), sum) << "entry " << entry;
    EXPECT_EQ(a.amounts[pageAEntry(11, 21)].raw(), 16496);              // 139,80 + 25,16 of the interest
    EXPECT_EQ(a.amounts[pageAEntry(11, 51)].raw(), 2 * 23777 + 41844);  // two author's fees and the scholarship
    EXPECT_EQ(a.amounts[pageAEntry(35, 1)].raw(), 200000);              // the two non-taxable receipts
    EXPECT_EQ(a.amounts[pageAEntry(15, 12)].raw(), 2 * 15112);          // pillar I of the two author's fees
}

std::vector<const TextRun*> runsOf(const Page& page) {
    std::vector<const TextRun*> runs;
    for (const PageItem& item : page.items())
        if (const auto* t = std::get_if<TextRun>(&item)) runs.push_back(t);
    return runs;
}

// The text of the first run at or right of `minX` on the line (within 1 mm) of the run starting
// with `caption`.
QString besides(const Page& page, const QString& caption, double minX) {
    for (const TextRun* t : runsOf(page)) {
        if (!t->text.startsWith(caption)) continue;
        const TextRun* found = nullptr;
        for (const TextRun* other : runsOf(page)) {
            const bool onLine = std::abs(other->at.y() - t->at.y()) < 1.0 && other != t && other->at.x() >= minX;
            if (onLine && (!found || other->at.x() < found->at.x())) found = other;
        }
        return found ? found->text : QStringLiteral("<nothing beside>");
    }
    return QStringLiteral("<no such line>");
}

bool shows(const Page& page, const QString& text) {
    for (const TextRun* t : runsOf(page))
        if (t->text == text) return true;
    return false;
}

ReportResult run(test::JoppdOffice& o, const ReportSpec& spec, std::int32_t payment) {
    SilentProgress progress;
    return runDeclaredReport(spec, o.files, {.payment = payment}, o.office.clock(), progress);
}

TEST(JoppdPages, AsThePreviewGetsThem) {
    test::JoppdOffice o;
    o.payment(1, test::date(2015, 3, 10));
    o.payment(2, test::date(2015, 3, 11));
    for (int i = 0; i < 20; ++i) o.item(1, 1, 2, "1000.00");
    const ReportResult a = run(o, joppdIspisReport, 1);
    ASSERT_EQ(a.end, RunEnd::Pages);
    EXPECT_EQ(a.pages[0].paper().orientation, Orientation::Portrait);
    EXPECT_EQ(besides(a.pages[0], QStringLiteral("OZNAKA IZVJEŠĆA"), 60.0), QStringLiteral("15069"));
    EXPECT_EQ(besides(a.pages[0], QStringLiteral("PODNOSI IZVJEŠĆE"), 60.0), QStringLiteral("1"));
    EXPECT_EQ(besides(a.pages[0], QStringLiteral("OBRAČUNA SA STRANICE B"), 140.0), QStringLiteral("20"));
    EXPECT_TRUE(shows(a.pages[0], QStringLiteral("o primicima, porezu na dohodak i prirezu te doprinosima za obvezna "
                                                 "osiguranja na dan 10.3.2015.")));
    EXPECT_EQ(besides(a.pages[0], QStringLiteral("Ukupan iznos predujma poreza na dohodak i prireza porezu na dohodak po osnovi primitka"), 160.0),
              QStringLiteral("4.755,40"));  // 20 x (201,50 + 36,27)

    const ReportResult b = run(o, joppBStranaReport, 1);
    ASSERT_EQ(b.end, RunEnd::Pages);
    EXPECT_GT(b.pages.size(), 1u);
    EXPECT_EQ(b.pages[0].paper().orientation, Orientation::Landscape);
    int rows = 0;
    for (std::size_t i = 0; i < b.pages.size(); ++i) {
        EXPECT_TRUE(shows(b.pages[i], QStringLiteral("- stranica B -")));
        EXPECT_TRUE(shows(b.pages[i], QStringLiteral("VI. Redni broj stranice: %1").arg(i + 1))) << "page " << i + 1;
        EXPECT_TRUE(shows(b.pages[i], QStringLiteral("(POTPIS OVLAŠTENE OSOBE OBVEZNIKA PODNOŠENJA PODATAKA)")));
        for (const TextRun* t : runsOf(b.pages[i])) rows += t->text == QStringLiteral("Horvat Ivan");
    }
    EXPECT_EQ(rows, 20);
    EXPECT_EQ(run(o, joppdIspisReport, 2).end, RunEnd::NothingToPrint);
    EXPECT_EQ(run(o, joppBStranaReport, 2).end, RunEnd::NothingToPrint);
}

}  // namespace
}  // namespace pramo
