#include "report_office.h"

#include <cmath>

#include "preview/page_text.h"
#include "records/layouts/subjekti.h"
#include "records/layouts/vrstedoh.h"
#include "reports/report_text.h"

namespace pramo::test {
namespace {

std::string joined(std::initializer_list<int> numbers) {
    std::string out;
    for (int n : numbers) out += (out.empty() ? "" : ",") + std::to_string(n);
    return out;
}

// The payments with their date's year and month, computed by SQLite from the stored day number
// (day 1 is 29 December 1800).
const char* items =
    " FROM DOHOCI d JOIN (SELECT OZNAKA, ISPLATITELJ,"
    " CAST(strftime('%Y', date('1800-12-28', '+' || DATUM || ' days')) AS INTEGER) AS year,"
    " CAST(strftime('%m', date('1800-12-28', '+' || DATUM || ' days')) AS INTEGER) AS month FROM ISPLATE) i"
    " ON d.ISPLATA = i.OZNAKA LEFT JOIN VRSTEDOH v ON v.OZNAKA = d.VRSTADOHOTKA";

}  // namespace

ReportOffice::ReportOffice() {
    office.standardRegisters();
    office.add(Subjekti{.oznaka = drugiPayer, .tip = "P", .naziv = "Drugi obrt", .poreznibroj = "0123456", .mjesto = 2,
                        .ulica = 2, .kucnibroj = "7"});
    office.add(Vrstedoh{.oznaka = umjetnik, .naziv = "Umjetnički honorar", .poreznastopa = rate("25"), .visestopa = "NE",
                        .priznatitroskovi = rate("25"), .mirovinskoistup = rate("10"), .mirovinskoiistup = rate("5"),
                        .zdravstvenoosiguranje = rate("15"), .stupacidd = 5});
    office.add(Vrstedoh{.oznaka = neoporezivi, .naziv = "Nagrada učeniku", .neoporezividio = rate("100"), .visestopa = "NE",
                        .stupacidd = 8, .rezdecimala = dec<Dec<9, 2>>("17")});
}

std::int32_t ReportOffice::payment(std::int32_t payer, Date day) {
    const std::string year = std::to_string(day.year());
    const std::string rsid = year.substr(2) + QStringLiteral("%1").arg(day.dayOfYear(), 3, 10, QChar('0')).toStdString();
    office.add(Isplate{.oznaka = ++lastPayment_, .isplatitelj = payer, .rsid = rsid, .datum = day, .godina = year});
    return lastPayment_;
}

std::int32_t ReportOffice::item(std::int32_t payment, std::int32_t payee, std::uint8_t type, const char* neto) {
    ++lastItem_;
    office.item({.oznaka = lastItem_, .rednibroj = static_cast<std::uint16_t>(lastItem_), .isplata = payment,
                 .djelatnik = payee, .vrstadohotka = type, .neto = money(neto)});
    return lastItem_;
}

ReportResult ReportOffice::run(const ReportSpec& spec, const ReportArgs& args) {
    return runDeclaredReport(spec, data.files, args, office.clock(), progress);
}

Total ReportOffice::sqlSum(const std::string& where, std::initializer_list<int> positions) {
    const std::string sql = "SELECT COALESCE(SUM(o.IZNOS), 0) FROM OBRACUN o JOIN (SELECT d.OZNAKA" + std::string(items) +
                            " WHERE " + where + ") t ON o.DOHODAK = t.OZNAKA WHERE o.POZICIJA IN (" + joined(positions) + ")";
    const std::string value = raw.value(sql);
    EXPECT_FALSE(value.empty()) << sql;
    return Total(Total::Value::fromRaw(std::stoll(value.empty() ? "0" : value)));
}

std::int64_t ReportOffice::sqlCount(const std::string& where) {
    return std::stoll(raw.value("SELECT COUNT(*)" + std::string(items) + " WHERE " + where));
}

const TextRun* runWith(const Page& page, const QString& text, int nth) {
    for (const PageItem& item : page.items()) {
        const auto* run = std::get_if<TextRun>(&item);
        if (run && run->text == text && nth-- == 0) return run;
    }
    return nullptr;
}

const TextRun* runBelow(const Page& page, const QString& text, const TextRun& above) {
    for (const PageItem& item : page.items()) {
        const auto* run = std::get_if<TextRun>(&item);
        if (run && run->text == text && run->at.y() > above.at.y() + 1.0) return run;
    }
    return nullptr;
}

QString cellText(const Page& page, const TextRun& row, const TextRun& column) {
    const double left = column.at.x(), right = column.at.x() + column.width;
    for (const PageItem& item : page.items()) {
        const auto* run = std::get_if<TextRun>(&item);
        if (!run || std::abs(run->at.y() - row.at.y()) > 1.0) continue;
        const double centre = run->at.x() + run->width / 2.0;
        if (centre > left && centre < right) return run->text;
    }
    return {};
}

QStringList textOf(const std::vector<Page>& pages) {
    QStringList lines;
    for (const Page& p : pages) lines << pageAsText(p);
    return lines;
}

QString printed(const Total& s) { return pageText(printAmountOrBlank(s)); }

}  // namespace pramo::test
