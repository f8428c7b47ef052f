#include "reports/id1/popratni_dopis.h"

#include "records/layouts/id1.h"
#include "preview/form_drawing.h"
#include "reports/id1/id1_data.h"
#include "reports/report_text.h"

namespace pramo {
namespace {

constexpr double left = 20.0, right = 190.0, valueLeft = 85.0, rowHeight = 8.0;
const PageFont labelFont = PageFont{}.sized(9.0);
const PageFont valueFont = PageFont{}.sized(10.0);

struct Letter {
    Id1 id1;
    PayerContext payer;  // a payer that is not in the register prints blank
};

// A label with its value on a ruled line; answers the next row's top.
double field(Band& b, double y, const QString& label, const QString& value) {
    b.text(left + 4.0, y + 2.0, label, labelFont);
    b.text(valueLeft + 1.0, y + 1.5, value, valueFont);
    b.line(valueLeft, y + rowHeight - 1.5, right, y + rowHeight - 1.5, 0.15);
    return y + rowHeight;
}

double section(Band& b, double y, const QString& title) {
    b.text(left, y, title, labelFont.sized(10.0).asBold());
    b.line(left, y + 5.5, right, y + 5.5, 0.4);
    return y + 8.0;
}

double payer(Band& b, double y, const Letter& l) {
    const Subjekti sub = l.payer.sub.value_or(Subjekti{});
    y = section(b, y, QStringLiteral("Isplatitelj"));
    y = field(b, y, QStringLiteral("OIB Isplatitelja"), pageText(sub.oib.view()));
    y = field(b, y, QStringLiteral("Naziv/Ime i prezime isplatitelja"), pageText(sub.naziv.view()));
    y = field(b, y, QStringLiteral("Adresa isplatitelja"), pageText(payerAddress(l.payer)));
    return field(b, y, QStringLiteral("Nadležna ispostava PU"), l.payer.opc ? pageText(l.payer.opc->naziv.view()) : QString());
}

double contact(Band& b, double y, const Id1& h) {
    const QString tel2 = h.kontel2.blank() ? QString() : pageText(id1Telefon(h.konpoz2, h.kontel2.view()));
    y = section(b, y, QStringLiteral("Odgovorna (kontakt) osoba za sadržaj medija za dostavu"));
    y = field(b, y, QStringLiteral("Prezime i ime"), pageText(h.konprezime.str() + ' ' + h.konime.str()));
    y = field(b, y, QStringLiteral("Telefonski broj"), pageText(id1Telefon(h.konpoz1, h.kontel1.view())));
    y = field(b, y, {}, tel2);
    return field(b, y, QStringLiteral("E-mail adresa"), pageText(h.konemail.view()));
}

Page letterPage(const Letter& l) {
    Band b;
    const QRectF title(left + 25.0, 20.0, right - left - 50.0, 14.0);
    framedText(b, title, QStringLiteral("OBRAZAC ID-1 ZA %1. godinu").arg(pageText(l.id1.godina.view())),
               PageFont{}.sized(14.0).asBold(), Align::Centre, 0.5);
    double y = payer(b, 50.0, l) + 8.0;
    y = contact(b, y, l.id1) + 8.0;
    y = section(b, y, QStringLiteral("Medij za dostavu"));
    for (const char* label : {"Broj datoteka na mediju", "Broj slogova na mediju", "Datum dostave medija"})
        y = field(b, y, QString::fromUtf8(label), {});
    b.line(right - 70.0, y + 30.0, right, y + 30.0, 0.2);
    b.text(right - 70.0, y + 31.0, QStringLiteral("Potpis i pečat odgovorne osobe"), labelFont, Align::Centre, 70.0);
    Page page(Paper::a4());
    b.placeOn(page, 0.0);
    return page;
}

StoreCode readLetter(Store& store, const Id1& id1, Letter& l, const TableDef*& failed) {
    l.id1 = id1;
    return readPayer(store, id1.isplatitelj, {.place = true, .street = true}, l.payer, failed);
}

}  // namespace

ReportResult ispisPopratnogDopisa(ReportContext& rc, Progress& progress) {
    const ReportArgs& a = rc.args;
    const Id1 from{.isplatitelj = a.payer, .godina = std::to_string(a.year)};
    const Pass<Id1> pass{
        .key = Id1::keyIspGod, .from = &from,
        .within = [&](const Id1& h) { return h.godina == from.godina && h.isplatitelj == a.payer; },
        .filter = [&](const Id1& h) { return a.header == 0 || h.oznaka == a.header; }};
    std::vector<Page> pages;
    const TableDef* failed = nullptr;
    return named(runReport<Id1>(
                     rc.store(), progress, pass,
                     [&](const Id1& h) {
                         Letter l;
                         const StoreCode c = readLetter(rc.store(), h, l, failed);
                         if (ok(c)) pages.push_back(letterPage(l));
                         return c;
                     },
                     [&] { return std::move(pages); }),
                 failed);
}

const ReportSpec popratniDopisReport{
    .name = "dopis",
    .title = QStringLiteral("Popratni dopis uz obrazac ID-1"),
    .preview = PreviewKind::Simple,
    .files = {&Id1::table, &Subjekti::table, &Mjesta::table, &Opcine::table, &Ulice::table},
    .args = {{ReportArg::Payer}, {ReportArg::Year}, {ReportArg::Header, false}},
    .summary = "popratni dopis uz obrazac ID-1 isplatitelja za godinu (obrazac N samo uz --header)",
    .run = ispisPopratnogDopisa,
};

}  // namespace pramo
