#include "reports/id1/id1_print.h"

#include "preview/form_drawing.h"
#include "records/values/currency.h"
#include "reports/id1/id1_sums.h"
#include "reports/report_text.h"

namespace pramo {
namespace {

constexpr double left = 8.0, right = 289.0;
constexpr double rowHeight = 8.0;
const PageFont headFont = PageFont{}.sized(7.5);
const PageFont nameFont = PageFont{}.sized(6.5);
const PageFont amountFont = PageFont{}.sized(5.5);
const TableHead columnHead{.top = 46.0, .captionHeight = 20.0, .numberHeight = 4.0, .font = PageFont{}.sized(5.5)};

// The columns of the table, left to right: 1, 2./3., 4, 5, 6, 7, the fourteen accounts, 22, 23.
constexpr std::size_t firstAccountColumn = 6, columnCount = firstAccountColumn + id1TaxAccounts + 2;

const TableColumns& table() {
    static const TableColumns t = [] {
        std::vector<double> widths{6.0, 36.0, 9.0, 18.0, 16.0, 16.0};
        widths.insert(widths.end(), id1TaxAccounts, 0.0);
        widths.insert(widths.end(), {18.0, 18.0});
        return TableColumns(left, right, widths);
    }();
    return t;
}

// The accounts' captions stand under their group's (accountCaptions).
std::vector<HeadColumn> headColumns() {
    const auto ruled = [](QStringList caption, QString number) { return HeadColumn{std::move(caption), std::move(number), 0.4}; };
    std::vector<HeadColumn> h{ruled({"R.", "br."}, "1"), ruled({"Ime i prezime", "poreznog obveznika", "OIB"}, "2./3."),
                              ruled({"Ozn.", "grada/", "općine"}, "4"), ruled({"Iznos", "primitka"}, "5"),
                              ruled({"Iznos", "Izdatka"}, "6"), ruled({"Doprinosi", "iz", "primitka"}, "7")};
    for (std::size_t i = 0; i < id1TaxAccounts; ++i) h.push_back({{}, QString::number(i + 8)});
    h.push_back(ruled({"Ukupno"}, "22"));
    h.push_back(ruled({"Isplaćeni", "Iznos", "primitka"}, "23"));
    return h;
}

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

// The accounts under one caption, in pairs of a heavy and a light rule.
void accountCaptions(Band& b) {
    const double groupHeight = 6.0, top = columnHead.top + groupHeight;
    const QRectF group = table().cells(firstAccountColumn, firstAccountColumn + id1TaxAccounts - 1, columnHead.top, groupHeight);
    cellCaption(b, group, {QStringLiteral("IZNOS UPLAĆENOG POREZA I PRIREZA NA RAČUN BROJČANE OZNAKE")}, columnHead.font);
    b.line(group.left(), group.bottom(), group.right(), group.bottom(), 0.2);
    for (std::size_t i = 0; i < id1TaxAccounts; ++i) {
        const double x = table().edge(firstAccountColumn + i);
        cellCaption(b, table().cell(firstAccountColumn + i, top, columnHead.captionHeight - groupHeight), {pageText(id1Accounts[i])}, columnHead.font);
        b.line(x, i == 0 ? columnHead.top : top, x, columnHead.top + columnHead.captionHeight + columnHead.numberHeight, i % 2 == 0 ? 0.4 : 0.1);
    }
}

Band pageHead(const Head& h) {
    Band b;
    b.text(left, 0.0, QStringLiteral("Obrazac ID-1"), PageFont{}.sized(9.0).asBold(), Align::Right, right - left);
    b.text(left, 4.0, h.naslov, PageFont{}.sized(8.5).asBold(), Align::Centre, right - left);
    b.text(left, 8.0, h.iznosi, headFont, Align::Centre, right - left);
    payerSection(b, h);
    tableHead(b, table(), columnHead, headColumns());
    accountCaptions(b);
    b.setHeight(columnHead.top + columnHead.captionHeight + columnHead.numberHeight);
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
        b.fitted(table().edge(c) + 0.5, y, text, font, align, table().width(c) - 1.0);
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
    table().ruleRow(b, 0.0, rowHeight, 0.1);
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
    builder.setCountedPageFooter(16.0, [datum](int page, int count) { return page == count ? pageFoot(datum) : Band(16.0); });
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
    .summary = "obrazac ID-1 isplatitelja za godinu: porez i prirez po primatelju i uplatnom računu",
    .run = id1Ispis,
};

}  // namespace pramo
