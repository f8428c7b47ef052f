#include "reports/idd_page.h"

#include "preview/text_metrics.h"
#include "reports/report_text.h"

namespace pramo {
namespace {

const PageFont textFont = PageFont{}.sized(7.5);
const PageFont smallFont = PageFont{}.sized(6.5);
const PageFont amountFont = PageFont{QStringLiteral("DejaVu Sans Mono"), 7.0};
constexpr double left = 14.0;
constexpr double numberWidth = 10.0, descriptionWidth = 95.0, amountWidth = 23.0, totalWidth = 26.0;
constexpr double tableWidth = numberWidth + descriptionWidth + 6 * amountWidth + totalWidth;
constexpr double rowHeight = 5.0;
constexpr double shade = 0.12;

double columnX(int column) {  // left edge of form column 1 to 9
    if (column <= 1) return left;
    if (column == 2) return left + numberWidth;
    return left + numberWidth + descriptionWidth + (column - 3) * amountWidth;
}
double columnWidth(int column) {
    return column == 1 ? numberWidth : column == 2 ? descriptionWidth : column == 9 ? totalWidth : amountWidth;
}

// Text in a box, set off from its left edge or right-aligned, centred vertically.
void put(Page& page, const QRectF& box, const QString& text, const PageFont& font, Align align = Align::Left) {
    if (text.isEmpty()) return;
    const double y = box.top() + (box.height() - lineHeightMm(font)) / 2.0;
    page.text(QPointF(box.left() + 1.0, y), text, font, align, box.width() - 2.0);
}

double title(Page& page, const IddHeader& h) {
    const double width = tableWidth;
    const PageFont bold = PageFont{}.sized(9.5).asBold();
    page.text(QPointF(left, 8.0), QStringLiteral("OBRAZAC IDD"), bold);
    double y = 14.0;
    for (const QString& line : wrapText(QStringLiteral("IZVJEŠĆE O DRUGOM DOHOTKU, OBRAČUNANOM I UPLAĆENOM POREZU NA DOHODAK "
                                                       "I PRIREZU TE DOPRINOSIMA ZA OBVEZNA OSIGURANJA"), bold, 200.0)) {
        page.text(QPointF(left, y), line, bold, Align::Centre, width);
        y += lineHeightMm(bold);
    }
    page.text(QPointF(left, y), QStringLiteral("U MJESECU ") + h.uMjesecu + QStringLiteral(" GODINE"), bold, Align::Centre, width);
    y += lineHeightMm(bold) + 1.0;
    page.text(QPointF(left, y), QStringLiteral("(iznosi u kunama i lipama)"), smallFont, Align::Right, width);
    return y + lineHeightMm(smallFont) + 1.0;
}

// A shaded strip with a section's number and name.
double section(Page& page, double y, const QString& number, const QString& name) {
    page.box(QRectF(left, y, tableWidth, rowHeight), 0.3, shade);
    put(page, QRectF(left, y, numberWidth, rowHeight), number, textFont.asBold());
    put(page, QRectF(left + numberWidth, y, tableWidth - numberWidth, rowHeight), name, textFont.asBold());
    return y + rowHeight;
}

double payer(Page& page, double y, const IddHeader& h) {
    y = section(page, y, QStringLiteral("I"), QStringLiteral("PODACI O PODNOSITELJU IZVJEŠĆA"));
    const struct { const char* number; const char* label; const QString& value; } lines[] = {
        {"1", "NAZIV/IME I PREZIME", h.naziv},
        {"2", "SJEDIŠTE/PREBIVALIŠTE/BORAVIŠTE", h.adresa},
        {"3.", "POREZNI BROJ:", h.porezniBroj},
    };
    for (const auto& l : lines) {
        page.box(QRectF(left, y, tableWidth, rowHeight), 0.2);
        page.line(QPointF(left + numberWidth, y), QPointF(left + numberWidth, y + rowHeight));
        put(page, QRectF(left, y, numberWidth, rowHeight), QString::fromUtf8(l.number), textFont);
        put(page, QRectF(left + numberWidth, y, 60.0, rowHeight), QString::fromUtf8(l.label), textFont);
        put(page, QRectF(left + numberWidth + 60.0, y, tableWidth - numberWidth - 60.0, rowHeight), l.value, textFont.asBold());
        y += rowHeight;
    }
    return y;
}

void headingLines(Page& page, const QRectF& box, const QStringList& lines) {
    const double step = lineHeightMm(smallFont);
    double y = box.top() + (box.height() - step * static_cast<double>(lines.size())) / 2.0;
    for (const QString& line : lines) {
        page.text(QPointF(box.left(), y), line, smallFont, Align::Centre, box.width());
        y += step;
    }
}

double matrixHeadings(Page& page, double y) {
    const double groups = 8.0, headings = 10.0, numbers = 4.0;
    const double top = y;
    const double a = columnX(3), b = columnX(5), total = columnX(9);
    headingLines(page, QRectF(a, y, b - a, groups), {QStringLiteral("A)"), QStringLiteral("Primici iz čl. 32. st.3. Zakona   i ostali")});
    headingLines(page, QRectF(b, y, total - b, groups),
                 {QStringLiteral("B) VRSTE PRIMITAKA OD KOJIH SE UTVRĐUJE DRUGI DOHODAK"), QStringLiteral("Primici iz članka 32. stavak 5. Zakona")});
    page.line(QPointF(a, y + groups), QPointF(total, y + groups));
    y += groups;
    headingLines(page, QRectF(columnX(2), top, descriptionWidth, groups + headings), {QStringLiteral("OPIS")});
    for (const IddColumn& c : iddColumns()) headingLines(page, QRectF(columnX(c.number), y, amountWidth, headings), c.heading);
    headingLines(page, QRectF(columnX(9), top, totalWidth, groups + headings),
                 {QStringLiteral("Ukupno"), QStringLiteral("(3+4+5+6"), QStringLiteral("+7+8")});
    y += headings;
    for (int c = 1; c <= 9; ++c) {
        headingLines(page, QRectF(columnX(c), y, columnWidth(c), numbers), {QString::number(c)});
        page.line(QPointF(columnX(c), c == 1 || c == 2 || c == 3 || c == 5 || c == 9 ? top : top + groups), QPointF(columnX(c), y + numbers));
    }
    page.line(QPointF(left + tableWidth, top), QPointF(left + tableWidth, y + numbers));
    page.line(QPointF(left, y), QPointF(left + tableWidth, y), 0.1);
    page.line(QPointF(left, y + numbers), QPointF(left + tableWidth, y + numbers));
    return y + numbers;
}

QString countText(std::int64_t n) { return n == 0 ? QString() : QString::number(n); }
QString amountText(Sum s) { return q(printAmountOrBlank(s)); }

bool hasCell(const IddRow& row, int column) {
    return std::find(row.noCell.begin(), row.noCell.end(), column) == row.noCell.end();
}

void matrixRow(Page& page, double y, const IddRow& row, const IddCells& cells, const IddFigures& figures) {
    const PageFont font = row.kind == IddRowKind::Heading || row.text.front().isUpper() ? textFont.asBold() : textFont;
    put(page, QRectF(columnX(1), y, numberWidth, rowHeight), row.number, textFont);
    put(page, QRectF(columnX(2), y, descriptionWidth, rowHeight), row.text, font);
    for (int c = firstIddColumn; c <= lastIddColumn; ++c) {
        const QRectF box(columnX(c), y, amountWidth, rowHeight);
        if (!hasCell(row, c)) page.box(box, 0.0, shade);
        else if (row.kind == IddRowKind::Count) put(page, box, countText(figures.count(c)), amountFont, Align::Right);
        else if (row.kind == IddRowKind::Amounts) put(page, box, amountText(cells.byColumn[static_cast<std::size_t>(c)]), amountFont, Align::Right);
    }
    const QRectF total(columnX(9), y, totalWidth, rowHeight);
    if (row.kind == IddRowKind::Count) put(page, total, countText(figures.countTotal()), amountFont, Align::Right);
    else if (row.kind == IddRowKind::Amounts) put(page, total, amountText(cells.total), amountFont, Align::Right);
    for (int c = 1; c <= 9; ++c) page.line(QPointF(columnX(c), y), QPointF(columnX(c), y + rowHeight));
    page.line(QPointF(left + tableWidth, y), QPointF(left + tableWidth, y + rowHeight));
    page.line(QPointF(left, y + rowHeight), QPointF(left + tableWidth, y + rowHeight));
}

double foot(Page& page, double y, const IddHeader& h) {
    page.text(QPointF(left, y), QStringLiteral("1  Prema članku 209. Zakona o doprinosima"), smallFont);
    page.text(QPointF(left, y + 3.2), QStringLiteral("2  Zakon o porezu na dohodak"), smallFont);
    y += 11.0;
    page.text(QPointF(left, y), QStringLiteral("Datum sastavljanja:"), textFont);
    page.text(QPointF(left + 30.0, y), h.datumSastavljanja, textFont.asBold());
    page.text(QPointF(left + 95.0, y), QStringLiteral("Potvrda primitka:"), textFont);
    const double sign = left + tableWidth - 80.0;
    page.line(QPointF(sign, y + 8.0), QPointF(left + tableWidth, y + 8.0));
    page.text(QPointF(sign, y + 9.0), QStringLiteral("PEČAT I POTPIS OVLAŠTENE OSOBE"), textFont, Align::Centre, 80.0);
    return y + 14.0;
}

}  // namespace

Page iddPage(const IddHeader& header, const IddFigures& figures) {
    Page page(Paper::a4Landscape());
    double y = title(page, header);
    y = payer(page, y, header) + 3.0;
    y = section(page, y, QStringLiteral("II."), QStringLiteral("OPIS PODATAKA, VRSTE DOPRINOSA I PRIMITAKA "));
    y = matrixHeadings(page, y);
    for (std::size_t r = 0; r < iddRows().size(); ++r) {
        matrixRow(page, y, iddRows()[r], figures.cells(r), figures);
        y += rowHeight;
    }
    y = foot(page, y + 2.0, header);
    page.text(QPointF(left, y), QStringLiteral("1"), smallFont, Align::Centre, tableWidth);
    return page;
}

}  // namespace pramo
