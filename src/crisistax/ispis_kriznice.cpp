#include "crisistax/ispis_kriznice.h"

#include <array>
#include <cstdlib>

#include "crisistax/vrste_primitka.h"
#include "preview/form_drawing.h"
#include "preview/text_metrics.h"
#include "records/layouts/detkriz.h"
#include "records/layouts/kriznica.h"
#include "records/layouts/mjesta.h"
#include "records/layouts/subjekti.h"
#include "records/layouts/opcine.h"
#include "records/layouts/ulice.h"
#include "payments/item_context.h"
#include "records/store/key_walk.h"
#include "records/values/currency.h"
#include "records/values/number_format.h"

namespace pramo {
namespace {

constexpr double left = 20.0;
constexpr double right = 190.0;
// The table's five columns.
const TableColumns table(left, right, {12.0, 58.0, 22.0, 38.0, 40.0});
constexpr double rowHeight = 8.0;

const PageFont body = PageFont{}.sized(9.0);
const PageFont small = PageFont{}.sized(7.5);

QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// One row of the table: recipients, base and tax.
struct Slot {
    std::int64_t broj = 0;
    Total osnovica;
    Total iznos;
};

// Everything the page shows; a record that is not in its register prints blank.
struct Obrazac {
    Kriznica kri;
    Subjekti sub;
    Mjesta mje;
    Ulice uli;
    std::array<Slot, vrstePrimitka.size()> perKind{};
};

// The return's lines into the rows of their kinds; a line of an unknown kind is not printed.
StoreCode readSlots(Store& store, Obrazac& o) {
    return walkNumber(store, Detkriz::keyKriznica, Detkriz{.kriznica = o.kri.oznaka}, [&o](const Detkriz& dkr) {
        const std::size_t kind = dkr.vrsta;
        if (kind >= 1 && kind <= vrstePrimitka.size()) o.perKind[kind - 1] = {dkr.broj, Total(dkr.osnovica), Total(dkr.iznos)};
    });
}

StoreCode read(Store& store, const Kriznica& kri, Obrazac& o, const TableDef*& failed) {
    o.kri = kri;
    PayerContext p;
    if (const StoreCode c = readPayer(store, kri.isplatitelj, {.place = true, .street = true}, p, failed); !ok(c)) return c;
    o.sub = p.sub.value_or(Subjekti{});
    o.mje = p.mje.value_or(Mjesta{});
    o.uli = p.uli.value_or(Ulice{});
    return readSlots(store, o);
}

QString uMjesecu(const Kriznica& kri) {
    return QStringLiteral("u %1. mjesecu %2. godine").arg(kri.mjesec).arg(q(kri.godina.view()));
}

QString adresa(const Obrazac& o) {
    return q(o.mje.naziv.view()) + ", " + q(o.uli.naziv.view()) + " " + q(o.sub.kucnibroj.view());
}

QString mjestoDatumIspisa(const Obrazac& o, const Clock& clock) {
    return q(o.mje.naziv.view()) + ", " + q(clock.today().toString());
}

Band heading(const Obrazac& o) {
    Band band(40.0);
    band.text(left, 0.0, QStringLiteral("Obrazac IPP"), body.asBold());
    const PageFont title = body.sized(11.0).asBold();
    band.text(left, 12.0, QStringLiteral("IZVJEŠĆE O POSEBNOM POREZU NA PLAĆE, MIROVINE I DRUGE PRIMITKE"), title, Align::Centre,
              right - left);
    band.text(left, 20.0, uMjesecu(o.kri), body.sized(10.0), Align::Centre, right - left);
    return band;
}

void payerRow(Band& band, double y, const QString& number, const QString& label, const QString& value) {
    band.text(left + 8.0, y, number, body);
    band.text(left + 14.0, y, label, body);
    band.text(78.0, y, value, body.asBold());
    band.line(78.0, y + lineHeightMm(body) + 0.5, right, y + lineHeightMm(body) + 0.5, 0.15);
}

Band payer(const Obrazac& o) {
    Band band(36.0);
    band.text(left, 0.0, QStringLiteral("I."), body.asBold());
    band.text(left + 8.0, 0.0, QStringLiteral("PODACI O ISPLATITELJU"), body.asBold());
    payerRow(band, 9.0, QStringLiteral("1."), QStringLiteral("Naziv / ime i prezime"), q(o.sub.naziv.view()));
    payerRow(band, 17.0, QStringLiteral("2."), QStringLiteral("Adresa"), adresa(o));
    payerRow(band, 25.0, QStringLiteral("3."), QStringLiteral("Porezni broj"), q(o.sub.oib.view()));
    return band;
}

void cell(Band& band, std::size_t column, double y, const QString& text, const PageFont& font, Align align) {
    const double pad = align == Align::Centre ? 0.0 : 1.5;
    band.text(table.edge(column) + pad, y, text, font, align, table.width(column) - 2 * pad);
}

Band sectionTwo() {
    Band band(14.0);
    band.text(left, 0.0, QStringLiteral("II."), body.asBold());
    band.wrapped(left + 8.0, 0.0, right - left - 8.0,
                 QStringLiteral("PODACI O ISPLAĆENIM PRIMICIMA I OBRAČUNANOM I UPLAĆENOM POSEBNOM POREZU"), body.asBold());
    return band;
}

// The amounts are in the currency of the return's month.
Band tableHead(const Kriznica& kri) {
    const QString units = QStringLiteral("(u ") + q(currencyOfMonth(std::atoi(kri.godina.str().c_str()), kri.mjesec).inUnits) + u')';
    constexpr double captions = 12.0;
    Band band(captions + 5.0);
    band.line(left, 0.0, right, 0.0);
    const std::array<std::pair<QString, QString>, 5> heads{{{QStringLiteral("R.br."), {}},
                                                           {QStringLiteral("Vrsta primitka"), {}},
                                                           {QStringLiteral("Broj"), QStringLiteral("stjecatelja")},
                                                           {QStringLiteral("Porezna osnovica"), units},
                                                           {QStringLiteral("Iznos posebnog poreza"), units}}};
    for (std::size_t i = 0; i < heads.size(); ++i) {
        cell(band, i, 2.5, heads[i].first, small.asBold(), Align::Centre);
        cell(band, i, 6.5, heads[i].second, small, Align::Centre);
        cell(band, i, captions + 1.0, QString::number(i + 1), small, Align::Centre);
    }
    band.line(left, captions, right, captions, 0.15);
    table.ruleRow(band, 0.0, band.height(), 0.2);
    return band;
}

QString amount(const Total& t) { return q(printAmountOrBlank(t)); }
QString count(std::int64_t n) { return n == 0 ? QString() : QString::number(n); }

Band row(const QString& number, const QString& label, const Slot& s, const PageFont& font) {
    Band band(rowHeight);
    const double y = (rowHeight - lineHeightMm(font)) / 2;
    cell(band, 0, y, number, font, Align::Centre);
    cell(band, 1, y, label, font, Align::Left);
    cell(band, 2, y, count(s.broj), font, Align::Right);
    cell(band, 3, y, amount(s.osnovica), font, Align::Right);
    cell(band, 4, y, amount(s.iznos), font, Align::Right);
    table.ruleRow(band, 0.0, rowHeight, 0.2);
    return band;
}

Slot total(const Obrazac& o) {
    Slot sum;
    for (const Slot& s : o.perKind) {
        sum.broj += s.broj;
        sum.osnovica += s.osnovica;
        sum.iznos += s.iznos;
    }
    return sum;
}

Band foot(const Obrazac& o, const Clock& clock) {
    Band band(30.0);
    band.text(left, 14.0, mjestoDatumIspisa(o, clock), body);
    band.text(95.0, 14.0, QStringLiteral("M.P."), body, Align::Centre, 20.0);
    band.line(130.0, 18.0, right, 18.0, 0.15);
    band.text(130.0, 19.0, QStringLiteral("(potpis ovlaštene osobe)"), small, Align::Centre, right - 130.0);
    return band;
}

std::vector<Page> pages(const Obrazac& o, const Clock& clock) {
    ReportBuilder builder(Paper::a4(), 15.0, 15.0);
    builder.add(heading(o));
    builder.add(payer(o));
    builder.add(sectionTwo());
    builder.add(tableHead(o.kri));
    for (std::size_t i = 0; i < vrstePrimitka.size(); ++i) {
        builder.add(row(QString::number(i + 1) + ".", q(vrstePrimitka[i].printed), o.perKind[i], body));
    }
    builder.add(row({}, QStringLiteral("Ukupno"), total(o), body.asBold()));
    builder.add(foot(o, clock));
    return builder.finish();
}

}  // namespace

ReportResult ispisKriznice(ReportContext& rc, Progress& progress) {
    const Kriznica from{.oznaka = rc.args.kriznica};
    const Pass<Kriznica> pass{.key = Kriznica::keyOznaka, .from = &from, .within = [&](const Kriznica& kri) {
                                  return kri.oznaka == from.oznaka;
                              }};
    Obrazac obrazac;
    const TableDef* failed = nullptr;
    return named(runReport<Kriznica>(
                     rc.store(), progress, pass, [&](const Kriznica& kri) { return read(rc.store(), kri, obrazac, failed); },
                     [&] { return pages(obrazac, rc.clock); }),
                 failed);
}

const ReportSpec ispisKrizniceReport{
    .name = "kriznica",
    .title = QStringLiteral("Obrazac IPP"),
    .preview = PreviewKind::Simple,
    .files = {&Kriznica::table, &Detkriz::table, &Subjekti::table, &Mjesta::table, &Opcine::table, &Ulice::table},
    .args = {{ReportArg::Kriznica}},
    .summary = "prijava posebnog poreza (obrazac IPP) jedne prijave",
    .run = ispisKriznice,
};

}  // namespace pramo
