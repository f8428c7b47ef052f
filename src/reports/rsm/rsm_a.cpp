#include <QRectF>

#include "records/layouts/isplate.h"
#include "records/layouts/mjesta.h"
#include "records/layouts/obracun.h"
#include "records/layouts/ulice.h"
#include "preview/form_drawing.h"
#include "reports/report_text.h"
#include "reports/rsm/rsm.h"
#include "reports/rsm/rsm_data.h"

namespace pramo {
namespace {

constexpr double left = 12.0, right = 198.0, rowHeight = 7.0;
const PageFont labelFont = PageFont{}.sized(7.5);
const PageFont valueFont = PageFont{}.sized(8.5);
const PageFont boldFont = labelFont.asBold();

// The grey shading of the form; a matrix printer prints none of it.
struct Shading {
    bool on = true;
    void box(Band& b, const QRectF& r, double pen = 0.2) const { b.box(r, pen, on ? 0.12 : 0.0); }
};

struct Totals {
    Total osnovica, mirovinskoI, mirovinskoII, isplaceno;
    bool overflowed() const { return osnovica.overflowed() || mirovinskoI.overflowed() || mirovinskoII.overflowed() || isplaceno.overflowed(); }
};

struct Values {
    Isplate isp;
    Subjekti sub;
    QString adresa;
    std::size_t osiguranici = 0;
    Totals t;
    RsmPayment read;
};

// A row of the form: its number, its text and a framed value from `valueLeft` to `valueRight`.
void row(Band& b, double y, const QString& no, const QString& label, const QString& value, double valueLeft,
         double valueRight, Align align = Align::Left) {
    b.box(QRectF(left, y, right - left, rowHeight), 0.1);
    cellText(b, QRectF(left, y, 8.0, rowHeight), no, labelFont);
    cellText(b, QRectF(left + 7.0, y, valueLeft - left - 7.0, rowHeight), label, labelFont);
    framedText(b, QRectF(valueLeft, y + 1.0, valueRight - valueLeft, rowHeight - 2.0), value, valueFont, align);
}

void sectionHead(Band& b, const Shading& s, double y, const QString& no, const QString& title) {
    s.box(b, QRectF(left, y, right - left, rowHeight), 0.4);
    cellText(b, QRectF(left, y, 10.0, rowHeight), no, boldFont);
    cellText(b, QRectF(left + 9.0, y, right - left - 9.0, rowHeight), title, boldFont);
}

void heading(Band& b, const Shading& s) {
    s.box(b, QRectF(left, 8.0, 70.0, 14.0));
    b.text(left + 2.0, 9.5, QStringLiteral("Regos"), PageFont{}.sized(18.0).asBold());
    b.text(left + 2.0, 17.0, QStringLiteral(" - središnji registar osiguranika"), labelFont);
    s.box(b, QRectF(right - 48.0, 8.0, 48.0, 14.0), 0.4);
    b.text(right - 48.0, 9.5, QStringLiteral("OBRAZAC R-Sm"), PageFont{}.sized(12.0).asBold(), Align::Centre, 48.0);
    b.text(right - 48.0, 16.0, QStringLiteral("Stranica A"), valueFont, Align::Centre, 48.0);
    const PageFont title = PageFont{}.sized(10.0).asBold();
    b.text(left, 27.0, QStringLiteral("SPECIFIKACIJA PO OSIGURANICIMA"), title, Align::Centre, right - left);
    b.text(left, 32.0, QStringLiteral("O OBRAČUNANIM DOPRINOSIMA ZA OBVEZNA MIROVINSKA OSIGURANJA"), title, Align::Centre,
           right - left);
}

double sectionI(Band& b, const Shading& s, const Values& v, double y) {
    sectionHead(b, s, y, QStringLiteral("I."), QStringLiteral("OSNOVNI PODACI"));
    y += rowHeight;
    row(b, y, QStringLiteral("1."), QStringLiteral("IDENTIFIKATOR OBRASCA"), pageText(v.isp.rsid.view()), 150.0, 170.0);
    y += rowHeight;
    row(b, y, QStringLiteral("2."), QStringLiteral("PODACI ZA:"), pageText(v.isp.godina.view()), 150.0, 170.0);
    b.text(100.0, y + 1.8, QStringLiteral("Mjesec"), labelFont);
    framedText(b, QRectF(112.0, y + 1.0, 12.0, rowHeight - 2.0), QStringLiteral("00"), valueFont, Align::Centre);
    b.text(134.0, y + 1.8, QStringLiteral("Godinu"), labelFont);
    y += rowHeight;
    row(b, y, {}, QStringLiteral("3. Vrsta obračuna/ispravka"), QStringLiteral("03"), 150.0, 170.0);
    y += rowHeight;
    row(b, y, QStringLiteral("4."), QStringLiteral("Broj osiguranika za koje se podnosi Obrazac R-Sm"),
        QString::number(v.osiguranici), 150.0, 170.0, Align::Right);
    y += rowHeight;
    row(b, y, QStringLiteral("5."), QStringLiteral("Broj stranica B koje se prilažu stranici A"),
        QString::number(rsmPagesB(v.osiguranici)), 150.0, 170.0, Align::Right);
    return y + rowHeight + 4.0;
}

double sectionII(Band& b, const Shading& s, const Values& v, double y) {
    sectionHead(b, s, y, QStringLiteral("II."), QStringLiteral("PODACI O OBVEZNIKU PODNOŠENJA PODATAKA"));
    const QString texts[][3] = {
        {QStringLiteral("1."), QStringLiteral("IDENTIFIKACIJSKI BROJ OBVEZNIKA"), pageText(rsmPayerNumber(v.sub))},
        {QStringLiteral("2."), QStringLiteral("NAZIV / PREZIME I IME OBVEZNIKA"), pageText(v.sub.naziv.view())},
        {QStringLiteral("3."), QStringLiteral("ADRESA OBVEZNIKA"), v.adresa},
        {QStringLiteral("4."), QStringLiteral("VRSTA OBVEZNIKA"), QStringLiteral("17")}};
    for (const auto& t : texts) {
        y += rowHeight;
        row(b, y, t[0], t[1], t[2], 80.0, right - 2.0);
    }
    return y + rowHeight + 4.0;
}

double sectionIII(Band& b, const Shading& s, const Values& v, double y) {
    sectionHead(b, s, y, QStringLiteral("III."), QStringLiteral("KONTROLNI PODACI PO OBVEZNIKU PODNOŠENJA PODATAKA"));
    const auto amount = [](const Total& t) { return pageText(printAmount(t)); };
    const QString texts[][3] = {
        {QStringLiteral("1."), QStringLiteral("Iznos obračunane plaće / naknade / drugog dohotka"), amount(v.t.osnovica)},
        {QStringLiteral("2."), QStringLiteral("Iznos osnovice za obračun doprinosa"), amount(v.t.osnovica)},
        {QStringLiteral("3."), QStringLiteral("Iznos obračunanog doprinosa za I. stup"), amount(v.t.mirovinskoI)},
        {QStringLiteral("4."), QStringLiteral("Iznos obračunanog doprinosa za II. stup"), amount(v.t.mirovinskoII)},
        {QStringLiteral("5."), QStringLiteral("Iznos isplaćene plaće / naknade / drugog dohotka"), amount(v.t.isplaceno)}};
    for (const auto& t : texts) {
        y += rowHeight;
        row(b, y, t[0], t[1], t[2], 140.0, right - 2.0, Align::Right);
    }
    y += rowHeight;
    row(b, y, QStringLiteral("6."), QStringLiteral("Godina i mjesec isplate plaće / naknade / drugog dohotka"),
        QString::number(v.isp.datum.year()), 140.0, 160.0, Align::Centre);
    framedText(b, QRectF(162.0, y + 1.0, 12.0, rowHeight - 2.0), QStringLiteral("%1").arg(v.isp.datum.month(), 2, 10, QLatin1Char('0')),
               valueFont, Align::Centre);
    return y + rowHeight + 6.0;
}

void foot(Band& b, const Shading& s, double y) {
    b.text(left + 4.0, y + 20.0, QStringLiteral("M.P."), valueFont);
    b.line(left + 24.0, y + 24.0, left + 100.0, y + 24.0, 0.2);
    b.text(left, y + 25.0, QStringLiteral("(POTPIS OVLAŠTENE OSOBE OBVEZNIKA PODNOŠENJA PODATAKA)"), PageFont{}.sized(6.5),
           Align::Centre, 124.0);
    const QRectF regos(140.0, y, right - 140.0, 34.0);
    b.box(regos, 0.4);
    s.box(b, QRectF(regos.left(), y, regos.width(), 6.0), 0.2);
    cellText(b, QRectF(regos.left(), y, regos.width(), 6.0), QStringLiteral("POPUNJAVA REGOS"), boldFont, Align::Centre);
    b.text(regos.left() + 1.0, y + 7.0, QStringLiteral("Datum zaprimanja:"), labelFont);
    s.box(b, QRectF(regos.left() + 2.0, y + 11.0, regos.width() - 4.0, 6.0), 0.1);
    b.text(regos.left() + 1.0, y + 18.5, QStringLiteral("Pečat i potpis službene osobe:"), labelFont);
    s.box(b, QRectF(regos.left() + 2.0, y + 22.5, regos.width() - 4.0, 10.0), 0.1);
}

Page pageA(const Values& v, bool shaded) {
    const Shading s{shaded};
    Band b;
    heading(b, s);
    double y = sectionI(b, s, v, 42.0);
    y = sectionII(b, s, v, y);
    y = sectionIII(b, s, v, y);
    foot(b, s, y);
    Page page(Paper::a4());
    b.placeOn(page, 0.0);
    return page;
}

void addItem(Totals& t, const RsmItem& item) {
    t.osnovica += item.osnovica;
    t.mirovinskoI += item.mirovinskoI;
    t.mirovinskoII += item.mirovinskoII;
    t.isplaceno += item.isplaceno;
}

// The payment's payer and its items' totals.
StoreCode readValues(Store& store, const Isplate& isp, Values& v) {
    v.isp = isp;
    const StoreCode c = readRsm(store, isp, v.read);
    v.sub = v.read.payer.sub.value_or(Subjekti{});
    v.adresa = pageText(payerAddress(v.read.payer));
    v.osiguranici = v.read.items.size();
    for (const RsmItem& item : v.read.items) addItem(v.t, item);
    return c;
}

}  // namespace

ReportResult rsmA(ReportContext& rc, Progress& progress) {
    Values v;
    const Isplate from{.oznaka = rc.args.payment};
    const ReportResult r = runReport<Isplate>(
        rc.store(), progress, sameNumber(Isplate::keyOznaka, from, 1), [&](const Isplate& isp) { return readValues(rc.store(), isp, v); },
        [&] { return std::vector<Page>{pageA(v, rc.args.printer != PrinterKind::Matrix)}; });
    const bool overflow = v.read.flags.overflow || v.t.overflowed();
    return refusedIf(named(r, v.read.failed), v.read.refusal.empty() && overflow ? sumTooLarge : v.read.refusal);
}

const ReportSpec rsmAReport{
    .name = "rsm-a",
    .title = QStringLiteral("Obrazac R-Sm - stranica A"),
    .preview = PreviewKind::Full,
    .files = {&Isplate::table, &Subjekti::table, &Mjesta::table, &Opcine::table, &Ulice::table, &Dohoci::table,
              &Obracun::table, &Osobe::table, &Vrstedoh::table},
    .args = {{ReportArg::Payment}, {ReportArg::Printer, false}},
    .summary = "stranica A obrasca R-Sm isplate: isplatitelj i zbrojevi doprinosa za mirovinsko osiguranje",
    .run = rsmA,
};

}  // namespace pramo
