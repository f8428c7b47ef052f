#include "reports/id1/id1_print.h"

#include "records/values/currency.h"
#include "reports/form_drawing.h"
#include "reports/id1/id1_sums.h"
#include "reports/report_text.h"

namespace pramo {
namespace {

constexpr double left = 8.0, right = 289.0;
constexpr double rowHeight = 8.0;
constexpr double tableTop = 46.0, captionHeight = 20.0, numberHeight = 4.0;
const PageFont headFont = PageFont{}.sized(7.5);
const PageFont captionFont = PageFont{}.sized(5.5);
const PageFont nameFont = PageFont{}.sized(6.5);
const PageFont amountFont = PageFont{}.sized(5.5);

// The columns of the table, left to right: 1, 2./3., 4, 5, 6, 7, the fourteen accounts, 22, 23.
constexpr double fixedWidths[] = {6.0, 36.0, 9.0, 18.0, 16.0, 16.0};
constexpr double totalWidth = 18.0;
constexpr std::size_t firstAccountColumn = 6, columnCount = firstAccountColumn + id1TaxAccounts + 2;

std::vector<double> columnEdges() {
    std::vector<double> e{left};
    for (const double w : fixedWidths) e.push_back(e.back() + w);
    const double account = (right - e.back() - 2.0 * totalWidth) / static_cast<double>(id1TaxAccounts);
    for (std::size_t i = 0; i < id1TaxAccounts; ++i) e.push_back(e.back() + account);
    e.push_back(e.back() + totalWidth);
    e.push_back(right);
    return e;
}

const std::vector<double>& edges() {
    static const std::vector<double> e = columnEdges();
    return e;
}

QRectF column(std::size_t i, double top, double height) { return {edges()[i], top, edges()[i + 1] - edges()[i], height}; }

struct Head {
    QString naziv, oib, adresa, naslov;
    QString iznosi;  // "- u eurima i centima -": the currency of the year
};

void payerSection(Band& b, const Head& h) {
    const PageFont bold = headFont.asBold();
    b.text(left, 12.0, QStringLiteral("I."), bold);
    b.text(left + 6.0, 12.0, QStringLiteral("PODACI O ISPLATITELJU"), bold);
    const QString labels[][2] = {{QStringLiteral("1."), QStringLiteral("NAZIV / IME I PREZIME")},
                                 {QStringLiteral("2."), QStringLiteral("OIB")},
                                 {QStringLiteral("3."), QStringLiteral("ADRESA")}};
    const QString values[] = {h.naziv, h.oib, h.adresa};
    for (int i = 0; i < 3; ++i) {
        const double y = 17.0 + 6.0 * i;
        b.text(left + 6.0, y + 0.7, labels[i][0], headFont);
        b.text(left + 12.0, y + 0.7, labels[i][1], headFont);
        framedText(b, QRectF(60.0, y, 140.0, 5.0), values[i], headFont);
    }
    b.text(left, 38.0, QStringLiteral("II."), bold);
    b.text(left + 6.0, 38.0, QStringLiteral("PODACI O DOHOTKU, UPLAĆENOM POREZU I PRIREZU"), bold);
}

const QStringList& fixedCaption(std::size_t c) {
    static const QStringList captions[] = {
        {QStringLiteral("R."), QStringLiteral("br.")},
        {QStringLiteral("Ime i prezime"), QStringLiteral("poreznog obveznika"), QStringLiteral("OIB")},
        {QStringLiteral("Ozn."), QStringLiteral("grada/"), QStringLiteral("općine")},
        {QStringLiteral("Iznos"), QStringLiteral("primitka")},
        {QStringLiteral("Iznos"), QStringLiteral("Izdatka")},
        {QStringLiteral("Doprinosi"), QStringLiteral("iz"), QStringLiteral("primitka")},
        {QStringLiteral("Ukupno")},
        {QStringLiteral("Isplaćeni"), QStringLiteral("Iznos"), QStringLiteral("primitka")}};
    return captions[c < firstAccountColumn ? c : c - id1TaxAccounts];
}

QString columnNumber(std::size_t c) {
    if (c == 1) return QStringLiteral("2./3.");
    return QString::number(c < 1 ? 1 : c + 2);
}

void accountCaptions(Band& b) {
    const double groupHeight = 6.0;
    const QRectF group(edges()[firstAccountColumn], tableTop, edges()[firstAccountColumn + id1TaxAccounts] -
                                                                   edges()[firstAccountColumn], groupHeight);
    cellCaption(b, group, {QStringLiteral("IZNOS UPLAĆENOG POREZA I PRIREZA NA RAČUN BROJČANE OZNAKE")}, captionFont);
    b.line(group.left(), group.bottom(), group.right(), group.bottom(), 0.2);
    for (std::size_t i = 0; i < id1TaxAccounts; ++i) {
        const std::size_t c = firstAccountColumn + i;
        const double top = tableTop + groupHeight;
        cellCaption(b, column(c, top, captionHeight - groupHeight), {pageText(id1Accounts[i])}, captionFont);
        const double pen = i % 2 == 0 ? 0.4 : 0.1;  // the accounts stand in pairs
        b.line(edges()[c], i == 0 ? tableTop : top, edges()[c], tableTop + captionHeight + numberHeight, pen);
    }
}

void tableCaptions(Band& b) {
    const double bottom = tableTop + captionHeight + numberHeight;
    b.box(QRectF(left, tableTop, right - left, captionHeight + numberHeight), 0.4);
    b.line(left, tableTop + captionHeight, right, tableTop + captionHeight, 0.2);
    for (std::size_t c = 0; c < columnCount; ++c) {
        const bool account = c >= firstAccountColumn && c < firstAccountColumn + id1TaxAccounts;
        if (!account) {
            cellCaption(b, column(c, tableTop, captionHeight), fixedCaption(c), captionFont);
            b.line(edges()[c], tableTop, edges()[c], bottom, 0.4);
        }
        cellCaption(b, column(c, tableTop + captionHeight, numberHeight), {columnNumber(c)}, captionFont);
    }
    accountCaptions(b);
}

Band pageHead(const Head& h) {
    Band b;
    b.text(left, 0.0, QStringLiteral("Obrazac ID-1"), PageFont{}.sized(9.0).asBold(), Align::Right, right - left);
    b.text(left, 4.0, h.naslov, PageFont{}.sized(8.5).asBold(), Align::Centre, right - left);
    b.text(left, 8.0, h.iznosi, headFont, Align::Centre, right - left);
    payerSection(b, h);
    tableCaptions(b);
    b.setHeight(tableTop + captionHeight + numberHeight);
    return b;
}

Band pageFoot(const QString& datum) {
    Band b(16.0);
    b.text(left, 6.0, QStringLiteral("Nadnevak:"), headFont);
    b.text(left + 16.0, 6.0, datum, headFont);
    b.line(200.0, 9.0, right, 9.0, 0.2);
    b.text(200.0, 10.0, QStringLiteral("PEČAT I POTPIS OVLAŠTENE OSOBE"), headFont, Align::Centre, right - 200.0);
    return b;
}

QString amount(const Total& t) { return pageText(printAmountOrBlank(t)); }

Band payeeRow(int rb, const Id1Payee& p, const Id1Sums& s) {
    Band b(rowHeight);
    const double line1 = 0.8, line2 = 4.2;
    const auto put = [&](std::size_t c, double y, const QString& text, const PageFont& font, Align align) {
        b.fitted(edges()[c] + 0.5, y, text, font, align, edges()[c + 1] - edges()[c] - 1.0);
    };
    put(0, line1, QString::number(rb), nameFont, Align::Right);
    put(1, line1, pageText(utf8::prefix(p.oso.ime.str() + ' ' + p.oso.prezime.str(), 30)), nameFont, Align::Left);
    put(1, line2, pageText(p.oso.oib.view()), nameFont, Align::Left);
    put(2, line1, pageText(p.opc ? utf8::prefix(p.opc->shifra.view(), 3) : std::string_view{}), nameFont, Align::Centre);
    put(3, line1, pageText(printAmount(s.bruto)), amountFont, Align::Right);
    put(4, line1, amount(s.izdaci), amountFont, Align::Right);
    put(5, line1, amount(s.doprinosi), amountFont, Align::Right);
    for (std::size_t i = 0; i < id1TaxAccounts; ++i) put(firstAccountColumn + i, line1, amount(s.iznos[i]), amountFont, Align::Right);
    put(columnCount - 2, line1, amount(s.porez), amountFont, Align::Right);
    put(columnCount - 1, line1, amount(s.neto), amountFont, Align::Right);
    columnRules(b, edges(), 0.0, rowHeight, 0.1);
    b.line(left, rowHeight, right, rowHeight, 0.1);
    return b;
}

ReportResult failed(Store& store, std::string_view file) { return {RunEnd::Failed, {}, store.error().code, std::string(file)}; }

// The form's head for the payer; nullopt (with `failedFile` null) when there is no such payer.
std::optional<Head> readHead(Store& store, const ReportArgs& args, const TableDef*& failedFile) {
    PayerContext p;
    if (!ok(readPayer(store, args.payer, {.place = true, .street = true}, p, failedFile)) || !p.sub) return std::nullopt;
    const Subjekti& sub = *p.sub;
    return Head{pageText(sub.naziv.view()), pageText(sub.oib.view()), pageText(payerAddress(p)),
                QStringLiteral("IZVJEŠĆE O ISPLAĆENOM PRIMITKU, DOHOTKU, UPLAĆENOM DOPRINOSU, POREZU PO ODBITKU I "
                               "PRIREZU U %1. GODINI").arg(args.year),
                QStringLiteral("- u ") + pageText(currencyOfMonth(args.year, 1).inUnits) + QStringLiteral(" -")};
}

ReportBuilder formBuilder(const Head& head, const QString& datum) {
    ReportBuilder builder(Paper::a4Landscape(), 6.0, 6.0);
    builder.setPageHeader([band = pageHead(head)](int) { return band; });
    builder.setPageFooter(16.0, [datum](int page, int count) { return page == count ? pageFoot(datum) : Band(16.0); });
    return builder;
}

}  // namespace

ReportResult id1Ispis(ReportContext& rc, Progress& progress) {
    const TableDef* failedFile = nullptr;
    const std::optional<Head> head = readHead(rc.store(), rc.args, failedFile);
    if (failedFile) return failed(rc.store(), failedFile->name);
    if (!head) return {};
    std::vector<Id1Payee> payees;
    std::string refusal;
    if (!ok(readId1Payees(rc.store(), rc.args.payer, rc.args.year, payees, refusal)))
        return refusal.empty() ? failed(rc.store(), "DOHOCI") : refusedIf({}, refusal);
    ReportBuilder builder = formBuilder(*head, pageText(rc.clock.today().toString()));
    int rb = 0;
    bool overflow = false;
    const ReportResult r = runReportOver<Id1Payee>(
        progress, payees,
        [&](const Id1Payee& p) {
            const Id1Sums s = printSums(p);
            overflow = overflow || s.overflowed();
            if (s.taxed()) builder.add(payeeRow(++rb, p, s));
            return StoreCode::Ok;
        },
        [&] {
            builder.page();  // the form is printed also when no payee is on it
            return builder.finish();
        });
    return refusedIf(r, overflow ? sumTooLarge : "");
}

const ReportSpec id1Report{
    .name = "id1",
    .title = QStringLiteral("Obrazac ID-1"),
    .preview = PreviewKind::Full,
    .files = id1DataFiles(),
    .args = {{ReportArg::Payer}, {ReportArg::Year}},
    .summary = "the printed ID-1 form of a payer's year: tax and surtax per payee and revenue account",
    .run = id1Ispis,
};

}  // namespace pramo
