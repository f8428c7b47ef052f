#include "preview/text_metrics.h"
#include "records/layouts/isplate.h"
#include "records/layouts/mjesta.h"
#include "records/layouts/obracun.h"
#include "records/layouts/ulice.h"
#include "records/store/read_linked.h"
#include "preview/form_drawing.h"
#include "records/values/currency.h"
#include "reports/rsm/rsm.h"
#include "reports/rsm/rsm_data.h"

namespace pramo {
namespace {

constexpr double left = 8.0, right = 289.0, rowHeight = 10.0;
constexpr double subCaption = 6.0;  // the sub-cells' captions at the foot of columns 5 and 6
const PageFont labelFont = PageFont{}.sized(7.5);
const PageFont valueFont = PageFont{}.sized(8.0);
const TableHead columnHead{.top = 30.0, .captionHeight = 24.0, .numberHeight = 4.0, .font = PageFont{}.sized(6.5)};

// Columns 1 to 11, left to right, the five amounts sharing the rest; 5 has three sub-cells and 6
// has four (two for "od", two for "do").
const TableColumns table(left, right, {12.0, 56.0, 28.0, 14.0, 21.0, 24.0, 0.0, 0.0, 0.0, 0.0, 0.0});
constexpr std::size_t subCells5 = 3, subCells6 = 4;

// The left edge of sub-cell `k` of column `c` (4 or 5, counted from 0) cut in `n` cells.
double subEdge(std::size_t c, std::size_t n, std::size_t k) {
    return table.edge(c) + table.width(c) * static_cast<double>(k) / static_cast<double>(n);
}

struct Head {
    QString rsid, godina, obveznik;
    QString iznosi;  // "(IZNOSI U EURIMA S CENTIMA)": the currency of the payment's date
};

void heading(Band& b, const Head& h, int page) {
    b.text(left, 0.0, QStringLiteral("Regos"), PageFont{}.sized(14.0).asBold());
    b.text(left + 18.0, 2.5, QStringLiteral(" - središnji registar osiguranika"), labelFont);
    b.text(left, 0.0, QStringLiteral("OBRAZAC R-Sm"), PageFont{}.sized(12.0).asBold(), Align::Centre, right - left);
    framedText(b, QRectF(right - 40.0, 0.0, 40.0, 6.0), QStringLiteral("Stranica B"), labelFont.asBold(), Align::Centre, 0.4);
    b.text(right - 40.0, 7.0, QStringLiteral("stranica br:"), labelFont);
    b.text(right - 20.0, 7.0, QString::number(page), valueFont.asBold());
    b.text(left, 13.0, QStringLiteral("IDENTIFIKATOR OBRASCA"), labelFont);
    framedText(b, QRectF(left + 36.0, 12.0, 20.0, 6.0), h.rsid, valueFont, Align::Centre);
    b.text(left + 64.0, 13.0, QStringLiteral("GODINA:"), labelFont);
    framedText(b, QRectF(left + 77.0, 12.0, 16.0, 6.0), h.godina, valueFont, Align::Centre);
    b.text(left + 104.0, 13.0, QStringLiteral("Identifikacijski broj obveznika"), labelFont);
    framedText(b, QRectF(left + 146.0, 12.0, 34.0, 6.0), h.obveznik, valueFont, Align::Centre);
    b.text(left, 23.0, QStringLiteral("IV. PODACI PO OSIGURANICIMA"), labelFont.asBold());
    b.text(left + 50.0, 23.0, h.iznosi, labelFont);
}

const std::vector<HeadColumn>& headColumns() {
    static const std::vector<HeadColumn> h{
        {{"Red.", "broj"}, "1", 0.3},
        {{"Prezime i ime osiguranika"}, "2", 0.3},
        {{"Identifikacijski", "broj osiguranika"}, "3", 0.3},
        {{"Šifra", "općine/", "grada", "rada"}, "4", 0.3},
        {{"Osnova", "obračuna"}, "5", 0.3, subCaption},
        {{"Razdoblje", "obračuna", "s istom osn."}, "6", 0.3, subCaption},
        {{"Iznos obračunane", "plaće /naknade/", "drugog dohotka"}, "7", 0.3},
        {{"Iznos osnovice", "za obračun", "doprinosa"}, "8", 0.3},
        {{"Iznos", "obračunanog", "doprinosa", "za I.stup"}, "9", 0.3},
        {{"Iznos", "obračunanog", "doprinosa", "za II. stup"}, "10", 0.3},
        {{"Iznos isplaćene", "plaće/naknade", "drugog dohotka"}, "11", 0.3}};
    return h;
}

void subCaptions(Band& b) {
    const double bottom = columnHead.top + columnHead.captionHeight, top = bottom - subCaption;
    const QString five[] = {QStringLiteral("O"), QStringLiteral("O"), QStringLiteral("B")};
    for (std::size_t k = 0; k < subCells5; ++k) {
        cellCaption(b, QRectF(subEdge(4, subCells5, k), top, table.width(4) / static_cast<double>(subCells5), subCaption), {five[k]},
                    columnHead.font);
        if (k > 0) b.line(subEdge(4, subCells5, k), top, subEdge(4, subCells5, k), bottom, 0.1);
    }
    const double half = table.width(5) / 2.0;
    cellCaption(b, QRectF(table.edge(5), top, half, subCaption), {QStringLiteral("od")}, columnHead.font);
    cellCaption(b, QRectF(table.edge(5) + half, top, half, subCaption), {QStringLiteral("do")}, columnHead.font);
    b.line(table.edge(5) + half, top, table.edge(5) + half, bottom, 0.2);
    b.line(table.edge(4), top, table.edge(6), top, 0.1);
}

Band pageHead(const Head& h, int page) {
    Band b;
    heading(b, h, page);
    tableHead(b, table, columnHead, headColumns());
    subCaptions(b);
    b.setHeight(columnHead.top + columnHead.captionHeight + columnHead.numberHeight);
    return b;
}

Band pageFoot() {
    Band b(16.0);
    b.text(left + 4.0, 8.0, QStringLiteral("M.P."), valueFont);
    b.line(180.0, 10.0, right, 10.0, 0.2);
    b.text(180.0, 11.0, QStringLiteral("(POTPIS OVLAŠTENE OSOBE OBVEZNIKA PODNOŠENJA PODATAKA)"), PageFont{}.sized(6.5),
           Align::Centre, right - 180.0);
    return b;
}

void put(Band& b, std::size_t c, const QString& text, Align align) { cellText(b, table.cell(c, 0.0, rowHeight), text, valueFont, align); }

// Character `k` of a text (empty past its end).
std::string_view characterAt(std::string_view s, std::size_t k) {
    return utf8::prefix(s.substr(utf8::prefix(s, k).size()), 1);
}

void subCells(Band& b, const RsmItem& item) {
    const double y = (rowHeight - lineHeightMm(valueFont)) / 2.0;
    const double w5 = table.width(4) / static_cast<double>(subCells5);
    for (std::size_t k = 0; k < subCells5; ++k) {
        const double x = subEdge(4, subCells5, k);
        b.text(x, y, pageText(characterAt(item.vrs.osnovaobracuna.view(), k)), valueFont, Align::Centre, w5);
        if (k > 0) b.line(x, 0.0, x, rowHeight, 0.1);
    }
    const double w6 = table.width(5) / static_cast<double>(subCells6);
    for (std::size_t k = 0; k < subCells6; ++k) {
        const double x = subEdge(5, subCells6, k);
        b.text(x, y, QStringLiteral("0"), valueFont, Align::Centre, w6);
        if (k > 0) b.line(x, 0.0, x, rowHeight, k == 2 ? 0.2 : 0.1);
    }
}

Band itemRow(const RsmItem& item) {
    Band b(rowHeight);
    const auto amount = [](const Money& m) { return pageText(printAmount(m)); };
    put(b, 0, QString::number(item.doh.rednibroj), Align::Right);
    put(b, 1, pageText(utf8::prefix(rsmName(item.oso), 30)), Align::Left);
    put(b, 2, pageText(rsmPayeeNumber(item.oso)), Align::Centre);
    put(b, 3, pageText(rsmWorkMunicipality(item)), Align::Centre);
    subCells(b, item);
    put(b, 6, amount(item.osnovica), Align::Right);
    put(b, 7, amount(item.osnovica), Align::Right);
    put(b, 8, amount(item.mirovinskoI), Align::Right);
    put(b, 9, amount(item.mirovinskoII), Align::Right);
    put(b, 10, amount(item.isplaceno), Align::Right);
    table.ruleRow(b, 0.0, rowHeight, 0.2);
    return b;
}

ReportResult failed(Store& store, const TableDef* file) {
    return {RunEnd::Failed, {}, store.error().code, std::string((file ? *file : Dohoci::table).name)};
}

}  // namespace

ReportResult rsmB(ReportContext& rc, Progress& progress) {
    std::optional<Isplate> isp;
    if (!ok(readLinked(rc.store(), rc.args.payment, isp))) return failed(rc.store(), &Isplate::table);
    if (!isp) return {};
    RsmPayment read;
    if (const StoreCode c = readRsm(rc.store(), *isp, read); !ok(c))
        return read.refusal.empty() ? failed(rc.store(), read.failed) : refusedIf({}, read.refusal);
    if (read.flags.overflow) return refusedIf({}, sumTooLarge);
    const Head head{pageText(isp->rsid.view()), pageText(isp->godina.view()),
                    pageText(rsmPayerNumber(read.payer.sub.value_or(Subjekti{}))),
                    QStringLiteral("(IZNOSI U ") + pageText(currencyOn(isp->datum).withUnits).toUpper() + QStringLiteral(")")};
    ReportBuilder builder(Paper::a4Landscape(), 6.0, 6.0);
    builder.setPageHeader([head](int page) { return pageHead(head, page); });
    builder.setPageFooter(16.0, [](int) { return pageFoot(); });
    builder.streamTo(rc.sink);
    int onPage = 0;
    return runReportOver<RsmItem>(
        progress, read.items,
        [&](const RsmItem& item) {
            if (onPage++ == rsmRowsPerPageB) {
                builder.newPage();
                onPage = 1;
            }
            builder.add(itemRow(item));
            return StoreCode::Ok;
        },
        [&] { return builder.finish(); });
}

const ReportSpec rsmBReport{
    .name = "rsm-b",
    .title = QStringLiteral("Obrazac R-Sm - stranica B"),
    .preview = PreviewKind::Full,
    .files = {&Isplate::table, &Subjekti::table, &Dohoci::table, &Obracun::table, &Osobe::table, &Mjesta::table,
              &Opcine::table, &Ulice::table, &Vrstedoh::table},
    .args = {{ReportArg::Payment}, {ReportArg::Printer, false}},
    .summary = "stranice B obrasca R-Sm isplate: redak po osiguraniku",
    .run = rsmB,
};

}  // namespace pramo
