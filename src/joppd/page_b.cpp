#include "joppd/page_b.h"

#include <algorithm>

#include "joppd/page_b_columns.h"
#include "joppd/printed_payment.h"
#include "joppd/return_rows.h"
#include "preview/form_drawing.h"
#include "preview/report_builder.h"
#include "preview/text_metrics.h"
#include "records/layouts/dohoci.h"
#include "records/layouts/isplate.h"
#include "records/layouts/obracun.h"
#include "records/layouts/svasta.h"

namespace pramo {
namespace {

constexpr double left = 10.0;
constexpr double top = 10.0;            // the page header starts here; the rows at about 48 mm
constexpr double footerHeight = 16.0;
constexpr double bottom = 23.0;         // the rows end at about 171 mm
constexpr double pad = 0.6;

const PageFont headingFont = PageFont{}.sized(4.0);
const PageFont valueFont = PageFont{}.sized(5.6);
const PageFont titleFont = PageFont{}.sized(7.5);

// A cell of the grid: its width and the columns stacked in it, top to bottom.
struct Cell {
    double width;
    std::vector<std::string_view> columns;
};

const std::vector<Cell>& cells() {
    static const std::vector<Cell> c{
        {6, {"1"}},           {11, {"2", "3"}},           {30, {"4", "5"}},           {10, {"6.1", "6.2"}},
        {13, {"7.1", "7.2"}}, {13, {"8", "9"}},           {11, {"10", "10.0"}},       {14, {"10.1", "10.2"}},
        {16.7, {"11", "12"}}, {16.7, {"12.1", "12.2", "12.3"}}, {16.7, {"12.4", "12.5", "12.6"}},
        {16.7, {"12.7", "12.8", "12.9"}}, {16.7, {"13.1", "13.2", "13.3"}}, {16.7, {"13.4", "13.5"}},
        {16.7, {"14.1", "14.2"}}, {16.7, {"15.1", "15.2"}}, {16.7, {"16.1", "16.2"}}, {16.7, {"17"}},
    };
    return c;
}

std::size_t indexOf(std::string_view number) {
    const auto& all = pageBColumns();
    const auto it = std::find_if(all.begin(), all.end(), [&](const PageBColumn& c) { return c.number == number; });
    return static_cast<std::size_t>(it - all.begin());
}

// The grid's columns, one per cell.
const TableColumns& grid() {
    static const TableColumns t = [] {
        std::vector<double> widths;
        for (const Cell& c : cells()) widths.push_back(c.width);
        return TableColumns(left, 0.0, widths);
    }();
    return t;
}

double right() { return grid().right(); }

// The headings of a cell stacked; answers the height they take.
double headingsOf(Band& band, double x, double y, const Cell& cell) {
    const double step = lineHeightMm(headingFont);
    double at = y;
    for (std::string_view number : cell.columns) {
        const QString heading = qtext(pageBColumns()[indexOf(number)].heading);
        at += band.wrapped(x + pad, at, cell.width - 2 * pad, heading, headingFont) * step + 0.8;
    }
    return at - y;
}

Band header(const PrintedPayment& p, int page) {
    Band band;
    const QString oib = qtext(p.sub.oib.blank() ? p.sub.poreznibroj.view() : p.sub.oib.view());
    band.text(left, 0.0, QStringLiteral("OIB podnositelja izvješća: ") + oib, titleFont);
    band.text(left + 80.0, 0.0, QStringLiteral("II. Oznaka izvješća: ") + qtext(p.isp.rsid.view()), titleFont);
    band.text(left + 135.0, 0.0, QStringLiteral("III. Vrsta izvješća: 1"), titleFont);
    band.text(left, 0.0, QStringLiteral("- stranica B -"), titleFont.asBold(), Align::Right, right() - left);
    band.text(left, 4.0, QStringLiteral("VI. Redni broj stranice: %1").arg(page), titleFont, Align::Right, right() - left);
    constexpr double gridTop = 9.0;
    band.line(left, gridTop, right(), gridTop, 0.2);
    double x = left, height = 0.0;
    for (const Cell& c : cells()) {
        height = std::max(height, headingsOf(band, x, gridTop + pad, c));
        x += c.width;
    }
    grid().ruleRow(band, gridTop, height + 2 * pad, 0.2);
    band.setHeight(gridTop + height + 2 * pad);
    return band;
}

Band row(const PageBValues& v) {
    const double step = lineHeightMm(valueFont);
    const double height = 3 * step + 2 * pad;
    Band band(height);
    double x = left;
    for (const Cell& c : cells()) {
        double y = pad;
        for (std::string_view number : c.columns) {
            const std::size_t i = indexOf(number);
            const Align align = pageBColumns()[i].amount ? Align::Right : Align::Left;
            band.text(x + pad, y, qtext(v[i]), valueFont, align, c.width - 2 * pad);
            y += step;
        }
        x += c.width;
    }
    grid().ruleRow(band, 0.0, height, 0.2);
    return band;
}

Band footer() {
    Band band(footerHeight);
    band.text(left + 20.0, 6.0, QStringLiteral("M.P."), titleFont);
    const double signature = right() - 120.0;
    band.line(signature, 5.0, right(), 5.0, 0.15);
    band.text(signature, 6.0, QStringLiteral("(POTPIS OVLAŠTENE OSOBE OBVEZNIKA PODNOŠENJA PODATAKA)"), titleFont,
              Align::Centre, right() - signature);
    return band;
}

}  // namespace

ReportResult joppBStrana(ReportContext& rc, Progress& progress) {
    PrintedPayment p;
    if (const StoreCode c = readPrintedPayment(rc.store(), rc.args.payment, p); !ok(c))
        return {.end = RunEnd::Failed, .code = c, .failedFile = "ISPLATE"};
    ReportBuilder builder(Paper::a4Landscape(), top, bottom);
    builder.setPageHeader([p](int page) { return header(p, page); });
    builder.setPageFooter(footerHeight, [](int) { return footer(); });
    builder.streamTo(rc.sink);
    const Dohoci from{.isplata = rc.args.payment};
    ItemReader reader(rc.store(), joppdItem);
    ItemContext f;
    return runBuilt<Dohoci>(rc.store(), progress, sameNumber(Dohoci::keyIsplata, from), std::move(builder),
                            [&](const Dohoci& doh, ReportBuilder& pages) {
                                const StoreCode c = reader.read(doh, f);
                                if (ok(c)) pages.add(row(pageBValues(f, p.isp.datum)));
                                return c;
                            });
}

const ReportSpec joppBStranaReport{
    .name = "joppd-b",
    .title = QStringLiteral("JOPPD - stranica B"),
    .preview = PreviewKind::Full,
    .files = {&Isplate::table, &Subjekti::table, &Mjesta::table, &Ulice::table, &Dohoci::table, &Osobe::table,
              &Opcine::table, &Vrstedoh::table, &Obracun::table, &Svasta::table},
    .args = {{ReportArg::Payment}, {ReportArg::Printer, false}},
    .summary = "stranica B obrasca JOPPD isplate: redak po stavci dohotka",
    .run = joppBStrana,
};

}  // namespace pramo
