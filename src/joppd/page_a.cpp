#include "joppd/page_a.h"

#include <algorithm>
#include <vector>

#include "joppd/categories.h"
#include "joppd/printed_payment.h"
#include "joppd/return_rows.h"
#include "preview/report_builder.h"
#include "preview/text_metrics.h"
#include "records/layouts/dohoci.h"
#include "records/layouts/jopozije.h"
#include "records/layouts/obracun.h"
#include "records/layouts/svasta.h"
#include "records/store/key_walk.h"
#include "records/values/number_format.h"

namespace pramo {
namespace {

constexpr double ox = 20.0;  // the body's top-left corner on the page
constexpr double oy = 20.0;
constexpr double bodyWidth = 170.0;
constexpr double bottom = 297.0 - oy - 245.0;

const PageFont font = PageFont{}.sized(7.0);
const PageFont bold = font.asBold();
const PageFont rowFont = PageFont{}.sized(6.5);

StoreCode readRows(Store& store, std::vector<Jopozije>& rows) {
    return walkAll<Jopozije>(store, Jopozije::keyRedniBroj, [&rows](const Jopozije& jop) {
        rows.push_back(jop);
    });
}

// "o primicima ... na dan 5.3.2015."
QString naDan(Date d) {
    const QString day = d.isNull() ? QString() : QStringLiteral("%1.%2.%3.").arg(d.day()).arg(d.month()).arg(d.year());
    return QStringLiteral("o primicima, porezu na dohodak i prirezu te doprinosima za obvezna osiguranja na dan ") + day;
}

QString oznakaPodnositelja(std::string_view tip) {
    if (tip == "P") return QStringLiteral("1");
    if (tip == "F") return QStringLiteral("2");
    if (tip == "4" || tip == "5") return qtext(tip);
    return {};
}

QString adresa(const PrintedPayment& p) {
    return qtext(p.mje.naziv.view()) + QStringLiteral(", ") + qtext(p.uli.naziv.view()) + QStringLiteral(" ") +
           qtext(p.sub.kucnibroj.view());
}

// A value in its framed field, at body coordinates.
void field(Band& band, double x, double y, double width, const QString& value) {
    band.box(QRectF(ox + x, y - 0.6, width, lineHeightMm(font) + 1.0), 0.15);
    band.text(ox + x + 0.8, y, value, font);
}

void label(Band& band, double x, double y, const QString& text, const PageFont& f = font) { band.text(ox + x, y, text, f); }

void titleLines(Band& band, const PrintedPayment& p) {
    label(band, 0, 0, QStringLiteral("MINISTARSTVO FINANCIJA, POREZNA UPRAVA"), bold);
    label(band, 0, 3.5, QStringLiteral("SREDIŠNJI REGISTAR OSIGURANIKA"), bold);
    band.text(ox, 0, QStringLiteral("OBRAZAC JOPPD"), bold.sized(9.0), Align::Right, bodyWidth);
    band.text(ox, 4.0, QStringLiteral("- stranica A -"), font, Align::Right, bodyWidth);
    band.text(ox, 8.0, QStringLiteral("IZVJEŠĆE"), bold.sized(10.0), Align::Centre, bodyWidth);
    band.text(ox, 12.0, naDan(p.isp.datum), font, Align::Centre, bodyWidth);
}

void submitter(Band& band, const PrintedPayment& p) {
    label(band, 0, 21, QStringLiteral("I."), bold);
    label(band, 6, 21, QStringLiteral("OZNAKA IZVJEŠĆA"), bold);
    field(band, 50, 21, 9, qtext(p.isp.rsid.view()));
    label(band, 70, 21, QStringLiteral("II.  VRSTA IZVJEŠĆA"), bold);
    field(band, 107, 21, 4, QStringLiteral("1"));
    label(band, 0, 26, QStringLiteral("III."), bold);
    label(band, 6, 26, QStringLiteral("PODACI O"), bold);
    label(band, 22, 26, QStringLiteral("III.1. PODNOSITELJU IZVJEŠĆA"), bold);
    label(band, 70, 26, QStringLiteral("III.2. OBVEZNIKU PLAĆANJA"), bold);
    const std::pair<const char*, const char*> lines[] = {{"1.", "Naziv / ime i prezime"}, {"2.", "Adresa"},
                                                         {"3.", "Adresa elektroničke pošte"}, {"4.", "OIB"},
                                                         {"5.", "Oznaka podnositelja"}};
    const QString values[] = {qtext(p.sub.naziv.view()), adresa(p), qtext(p.sub.email.view()), qtext(p.sub.oib.view()),
                              oznakaPodnositelja(p.sub.tip.view())};
    const double widths[] = {52, 52, 52, 19, 15};
    for (int i = 0; i < 5; ++i) {
        const double y = 31.0 + 5.0 * i;
        label(band, 6, y, QString::fromUtf8(lines[i].first));
        label(band, 12, y, QString::fromUtf8(lines[i].second));
        field(band, 61, y, widths[i], values[i]);
    }
}

void counts(Band& band, const PageA& c) {
    label(band, 0, 57, QStringLiteral("IV.1."), bold);
    label(band, 12, 57, QStringLiteral("BROJ OSOBA ZA KOJE SE"), bold);
    label(band, 12, 60.5, QStringLiteral("PODNOSI IZVJEŠĆE"), bold);
    field(band, 61, 60, 11, QString::number(c.payees.size()));
    label(band, 76, 57, QStringLiteral("IV.2."), bold);
    label(band, 84, 57, QStringLiteral("BROJ REDAKA NA POPISU POJEDINAČNIH"), bold.sized(6.5));
    label(band, 84, 60.5, QStringLiteral("OBRAČUNA SA STRANICE B"), bold.sized(6.5));
    field(band, 142, 60, 11, QString::number(c.rows));
    label(band, 0, 67, QStringLiteral("V."), bold);
    label(band, 12, 67, QStringLiteral("PODACI O UKUPNOM IZNOSU OBRAČUNANOM PREDUJMU POREZU NA DOHODAK I"), bold);
    label(band, 12, 70.5, QStringLiteral("PRIREZU POREZA NA DOHODAK"), bold);
}

Band header(const PrintedPayment& p, const PageA& c) {
    Band band;
    titleLines(band, p);
    submitter(band, p);
    counts(band, c);
    band.setHeight(77.0);
    return band;
}

// One delivered row: its number (boxed on rows of kind "N"), its text and its amount.
Band row(const Jopozije& jop, const PageAAmounts& amounts) {
    const double step = lineHeightMm(rowFont);
    const QStringList lines = wrapText(qtext(jop.tekst1.view()), rowFont, 133.0);
    const int shown = std::max(1, std::min(static_cast<int>(lines.size()), static_cast<int>(7.0 / step)));
    const double height = shown * step + 1.2;
    const bool boxed = jop.vrsta == "N";
    const PageFont f = boxed ? rowFont : rowFont.asBold();
    Band band(height);
    if (boxed) band.box(QRectF(ox + 0.5, 0.2, 9.0, step + 0.4), 0.15);
    band.text(ox + 1.0, 0.4, qtext(utf8::prefix(jop.brtekst.view(), 15)), f, Align::Left, 8.0);
    for (int i = 0; i < shown; ++i) band.text(ox + 11.0, 0.4 + i * step, lines[i], f);
    const auto it = amounts.find(pageAEntry(jop.grupa, jop.rednibroj));
    const QString amount = it == amounts.end() ? QString() : qtext(printAmountOrBlank(it->second));
    band.text(ox + 146.0, 0.4, amount, rowFont, Align::Right, 24.0);
    band.line(ox, height, ox + bodyWidth, height, 0.1);
    return band;
}

}  // namespace

// Pension I and II, health, tax and surtax (capital income apart), and the net of a type with
// a non-taxable code, each into its row of the page.
void addToPageA(const ItemContext& f, PageA& a) {
    if (f.oso) a.payees.insert(f.oso->oznaka);
    ++a.rows;
    const Kategorija& k = kategorija(f.vrs ? f.vrs->rezstringa.view() : std::string_view());
    Flags flags;  // an item's own amounts fit
    const ItemAmounts item = itemAmounts(f.lines, k, false, flags);
    const auto amount = [&](Iznos i) { return item[static_cast<std::size_t>(i)]; };
    a.amounts[pageAEntry(15, 12)] += amount(Iznos::P121);
    a.amounts[pageAEntry(21, 12)] += amount(Iznos::P122);
    a.amounts[pageAEntry(25, 15)] += amount(Iznos::P123);
    Total& tax = a.amounts[k.kapital ? pageAEntry(11, 21) : pageAEntry(11, 51)];
    tax += amount(Iznos::P141);
    tax += amount(Iznos::P142);
    if (f.vrs && !f.vrs->rezdecimala.isZero()) a.amounts[pageAEntry(35, 1)] += amount(Iznos::P162);
}

bool PageA::overflowed() const {
    return std::ranges::any_of(amounts, [](const auto& entry) { return entry.second.overflowed(); });
}

ReportResult joppdIspis(ReportContext& rc, Progress& progress) {
    PrintedPayment p;
    std::vector<Jopozije> rows;
    if (const StoreCode c = readPrintedPayment(rc.store(), rc.args.payment, p); !ok(c))
        return {.end = RunEnd::Failed, .code = c, .failedFile = "ISPLATE"};
    if (const StoreCode c = readRows(rc.store(), rows); !ok(c))
        return {.end = RunEnd::Failed, .code = c, .failedFile = "JOPOZIJE"};
    PageA counted;
    const Dohoci from{.isplata = rc.args.payment};
    const Pass<Dohoci> pass{.key = Dohoci::keyIsplata, .from = &from,
                            .within = [&](const Dohoci& doh) { return doh.isplata == rc.args.payment; }};
    ItemReader reader(rc.store(), joppdItem);
    ItemContext f;
    const auto body = [&](const Dohoci& doh) {
        const StoreCode c = reader.read(doh, f);
        if (ok(c)) addToPageA(f, counted);
        return c;
    };
    const auto finish = [&] {
        ReportBuilder builder(Paper::a4(), oy, bottom);
        builder.add(header(p, counted));
        for (const Jopozije& jop : rows) builder.add(row(jop, counted.amounts));
        return builder.finish();
    };
    const ReportResult r = runReport<Dohoci>(rc.store(), progress, pass, body, finish);
    return refusedIf(r, counted.overflowed() ? sumTooLarge : "");
}

const ReportSpec joppdIspisReport{
    .name = "joppd-a",
    .title = QStringLiteral("JOPPD - stranica A"),
    .preview = PreviewKind::Full,
    .files = {&Isplate::table, &Subjekti::table, &Mjesta::table, &Ulice::table, &Dohoci::table, &Osobe::table,
              &Opcine::table, &Vrstedoh::table, &Obracun::table, &Svasta::table, &Jopozije::table},
    .args = {{ReportArg::Payment}},
    .summary = "stranica A obrasca JOPPD isplate: podnositelj, broj osoba i zbrojevi",
    .run = joppdIspis,
};

}  // namespace pramo
