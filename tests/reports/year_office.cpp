#include "reports/year_office.h"

#include <algorithm>
#include <cstdio>

#include "preview/text_metrics.h"
#include "records/layouts/osobe.h"
#include "records/layouts/subjekti.h"
#include "records/layouts/vrstedoh.h"
#include "records/values/number_format.h"

namespace pramo::test {
namespace {

Vrstedoh taxed(std::uint8_t oznaka, const char* naziv, const char* account, const char* expenses) {
    return {.oznaka = oznaka, .naziv = naziv, .poreznastopa = rate("25"), .rnporez = account, .tipporez = "I",
            .visestopa = "NE", .priznatitroskovi = rate(expenses), .mirovinskoistup = rate("15"),
            .mirovinskoiistup = rate("5"), .zdravstvenoosiguranje = rate("15"), .osnovaobracuna = "021",
            .rezstringa = "02", .rezstringb = "4030"};
}

}  // namespace

void YearOffice::SetUp() {
    office.standardRegisters();
    office.add(taxed(4, "Ugovor o djelu", "1805", "0"));
    office.add(taxed(5, "Autorski honorar", "1422", "30"));
    office.add(taxed(6, "Bez računa", "", "0"));
    office.add(Osobe{.oznaka = 4, .ime = "Ana  Marija", .prezime = "Bäcker", .oib = "33392005961", .mjesto = 1,
                     .drugistup = "DA", .faktorodbitka = rate("1")});
    office.add(Osobe{.oznaka = 5, .ime = "Zoran", .prezime = "Zec", .oib = "48764416283", .mjesto = 2,
                     .drugistup = "NE", .faktorodbitka = rate("1")});
    office.add(Osobe{.oznaka = 6, .ime = "Marko", .prezime = "Babić", .oib = "55166486521", .mjesto = 2,
                     .drugistup = "NE", .faktorodbitka = rate("1")});
    office.add(Subjekti{.oznaka = 2, .tip = "F", .naziv = "Drugi obrt", .oib = "86059385514", .mjesto = 2});
    payment(1, 1, date(2010, 3, 15));
    payment(2, 1, date(2010, 7, 1));
    payment(3, 1, date(2009, 12, 31));
    payment(4, 2, date(2010, 5, 5));
    item(1, 1, 4, "1000.00");  // Horvat, account 1805
    item(1, 2, 5, "2000.00");  // Kovačević, account 1422
    item(1, 3, 4, "7000.00");  // Šimić, with crisis tax
    item(1, 5, 3, "7000.00");  // Zec: crisis tax only
    item(1, 6, 3, "100.00");   // Babić: no tax at all
    item(2, 1, 5, "500.00");   // Horvat, account 1422
    item(2, 1, 1, "300.00");   // Horvat, account 1406: not one of the form's accounts
    item(2, 2, 6, "400.00");   // Kovačević, no account
    item(2, 4, 4, "200.00");   // Bäcker
    item(3, 1, 4, "999.00");   // another year
    item(4, 1, 4, "888.00");   // another payer
}

void YearOffice::payment(std::int32_t oznaka, std::int32_t payer, Date day) {
    char rsid[16];
    std::snprintf(rsid, sizeof rsid, "%02d%03d", day.year() % 100, day.dayOfYear());
    office.add(Isplate{.oznaka = oznaka, .isplatitelj = payer, .rsid = rsid, .datum = day,
                       .godina = std::to_string(day.year())});
}

void YearOffice::item(std::int32_t isplata, std::int32_t payee, std::uint8_t type, const char* net) {
    const auto n = static_cast<std::uint16_t>(nextItem);
    office.item({.oznaka = nextItem++, .rednibroj = n, .isplata = isplata, .djelatnik = payee, .vrstadohotka = type,
                 .neto = money(net)});
}

namespace {

std::int64_t centsOf(RawDb& raw, const std::string& where) {
    const std::string v = raw.value(
        "SELECT COALESCE(SUM(o.IZNOS), 0) FROM OBRACUN o JOIN DOHOCI d ON d.OZNAKA = o.DOHODAK "
        "JOIN ISPLATE i ON i.OZNAKA = d.ISPLATA JOIN VRSTEDOH v ON v.OZNAKA = d.VRSTADOHOTKA WHERE " + where);
    return std::stoll(v);
}

}  // namespace

std::int64_t YearOffice::yearCents(const std::string& positions, const std::string& payees, const std::string& accounts) {
    std::string where = "i.ISPLATITELJ = 1 AND i.DATUM BETWEEN " + std::to_string(date(2010, 1, 1).serial()) + " AND " +
                        std::to_string(date(2010, 12, 31).serial()) + " AND o.POZICIJA IN (" + positions + ")";
    if (!payees.empty()) where += " AND d.DJELATNIK IN (" + payees + ")";
    if (!accounts.empty()) where += " AND v.RNPOREZ IN (" + accounts + ")";
    return centsOf(raw, where);
}

std::int64_t YearOffice::paymentCents(std::int32_t isplata, const std::string& positions, std::int32_t payee) {
    std::string where = "i.OZNAKA = " + std::to_string(isplata) + " AND o.POZICIJA IN (" + positions + ")";
    if (payee) where += " AND d.DJELATNIK = " + std::to_string(payee);
    return centsOf(raw, where);
}

std::string printed(std::int64_t cents) { return formatDecimal(cents, 2, {NumberUse::Print}); }
std::string written(std::int64_t cents) { return formatDecimal(cents, 2, {NumberUse::Xml, false, true}); }

namespace {

double middleOf(const TextRun& run) { return run.at.y() + lineHeightMm(run.font) / 2.0; }

}  // namespace

std::vector<QString> rowBeside(const Page& page, const QString& text) {
    const TextRun* anchor = nullptr;
    for (const PageItem& item : page.items())
        if (const auto* run = std::get_if<TextRun>(&item); run && run->text == text) anchor = run;
    if (!anchor) return {};
    std::vector<const TextRun*> row;
    for (const PageItem& item : page.items()) {
        const auto* run = std::get_if<TextRun>(&item);
        if (run && std::abs(middleOf(*run) - middleOf(*anchor)) < 1.2) row.push_back(run);
    }
    std::stable_sort(row.begin(), row.end(), [](const TextRun* a, const TextRun* b) { return a->at.x() < b->at.x(); });
    std::vector<QString> texts;
    for (const TextRun* run : row) texts.push_back(run->text);
    return texts;
}

bool hasText(const Page& page, const QString& text) {
    for (const PageItem& item : page.items())
        if (const auto* run = std::get_if<TextRun>(&item); run && run->text == text) return true;
    return false;
}

}  // namespace pramo::test
