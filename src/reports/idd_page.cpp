#include "reports/idd_page.h"

#include "preview/text_metrics.h"
#include "preview/form_drawing.h"
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

// Form columns 1 to 9.
const TableColumns table(left, left + tableWidth, {numberWidth, descriptionWidth, amountWidth, amountWidth, amountWidth,
                                                   amountWidth, amountWidth, amountWidth, totalWidth});
double columnX(int column) { return table.edge(static_cast<std::size_t>(column - 1)); }
double columnWidth(int column) { return table.width(static_cast<std::size_t>(column - 1)); }

void caption(Band& form, const QRectF& cell, const QStringList& lines) { cellCaption(form, cell, lines, smallFont); }

double title(Band& form, const IddHeader& h) {
    const double width = tableWidth;
    const PageFont bold = PageFont{}.sized(9.5).asBold();
    form.text(left, 8.0, QStringLiteral("OBRAZAC IDD"), bold);
    double y = 14.0;
    for (const QString& line : wrapText(QStringLiteral("IZVJEŠĆE O DRUGOM DOHOTKU, OBRAČUNANOM I UPLAĆENOM POREZU NA DOHODAK "
                                                       "I PRIREZU TE DOPRINOSIMA ZA OBVEZNA OSIGURANJA"), bold, 200.0)) {
        form.text(left, y, line, bold, Align::Centre, width);
        y += lineHeightMm(bold);
    }
    form.text(left, y, QStringLiteral("U MJESECU ") + h.uMjesecu + QStringLiteral(" GODINE"), bold, Align::Centre, width);
    y += lineHeightMm(bold) + 1.0;
    form.text(left, y, h.iznosi, smallFont, Align::Right, width);
    return y + lineHeightMm(smallFont) + 1.0;
}

// A shaded strip with a section's number and name.
double section(Band& form, double y, const QString& number, const QString& name) {
    form.box(QRectF(left, y, tableWidth, rowHeight), 0.3, shade);
    cellText(form, QRectF(left, y, numberWidth, rowHeight), number, textFont.asBold());
    cellText(form, QRectF(left + numberWidth, y, tableWidth - numberWidth, rowHeight), name, textFont.asBold());
    return y + rowHeight;
}

double payer(Band& form, double y, const IddHeader& h) {
    y = section(form, y, QStringLiteral("I"), QStringLiteral("PODACI O PODNOSITELJU IZVJEŠĆA"));
    const struct { const char* number; const char* label; const QString& value; } lines[] = {
        {"1", "NAZIV/IME I PREZIME", h.naziv},
        {"2", "SJEDIŠTE/PREBIVALIŠTE/BORAVIŠTE", h.adresa},
        {"3.", "POREZNI BROJ:", h.porezniBroj},
    };
    for (const auto& l : lines) {
        form.box(QRectF(left, y, tableWidth, rowHeight), 0.2);
        form.line(left + numberWidth, y, left + numberWidth, y + rowHeight);
        cellText(form, QRectF(left, y, numberWidth, rowHeight), QString::fromUtf8(l.number), textFont);
        cellText(form, QRectF(left + numberWidth, y, 60.0, rowHeight), QString::fromUtf8(l.label), textFont);
        cellText(form, QRectF(left + numberWidth + 60.0, y, tableWidth - numberWidth - 60.0, rowHeight), l.value, textFont.asBold());
        y += rowHeight;
    }
    return y;
}

double matrixHeadings(Band& form, double y) {
    const double groups = 8.0, headings = 10.0, numbers = 4.0;
    const double top = y;
    const double a = columnX(3), b = columnX(5), total = columnX(9);
    caption(form, QRectF(a, y, b - a, groups), {QStringLiteral("A)"), QStringLiteral("Primici iz čl. 32. st.3. Zakona   i ostali")});
    caption(form, QRectF(b, y, total - b, groups),
                 {QStringLiteral("B) VRSTE PRIMITAKA OD KOJIH SE UTVRĐUJE DRUGI DOHODAK"), QStringLiteral("Primici iz članka 32. stavak 5. Zakona")});
    form.line(a, y + groups, total, y + groups);
    y += groups;
    caption(form, QRectF(columnX(2), top, descriptionWidth, groups + headings), {QStringLiteral("OPIS")});
    for (const IddColumn& c : iddColumns()) caption(form, QRectF(columnX(c.number), y, amountWidth, headings), c.heading);
    caption(form, QRectF(columnX(9), top, totalWidth, groups + headings),
                 {QStringLiteral("Ukupno"), QStringLiteral("(3+4+5+6"), QStringLiteral("+7+8")});
    y += headings;
    for (int c = 1; c <= 9; ++c) {
        caption(form, QRectF(columnX(c), y, columnWidth(c), numbers), {QString::number(c)});
        form.line(columnX(c), c == 1 || c == 2 || c == 3 || c == 5 || c == 9 ? top : top + groups, columnX(c), y + numbers);
    }
    form.line(left + tableWidth, top, left + tableWidth, y + numbers);
    form.line(left, y, left + tableWidth, y, 0.1);
    form.line(left, y + numbers, left + tableWidth, y + numbers);
    return y + numbers;
}

QString countText(std::int64_t n) { return n == 0 ? QString() : QString::number(n); }
QString amountText(const Total& s) { return pageText(printAmountOrBlank(s)); }

bool hasCell(const IddRow& row, int column) {
    return std::find(row.noCell.begin(), row.noCell.end(), column) == row.noCell.end();
}

// The tax row names the municipalities' rates the month's tax was taken at, when it was.
QString rowText(const IddRow& row, const IddHeader& h) {
    const bool tax = row.positions.size() == 1 && row.positions.front() == Pozicija::Porez;
    return tax && !h.porezStope.isEmpty() ? row.text + QStringLiteral(" (stope općina ") + h.porezStope + u')' : row.text;
}

void matrixRow(Band& form, double y, const IddRow& row, const IddCells& cells, const IddFigures& figures, const IddHeader& h) {
    const PageFont font = row.kind == IddRowKind::Heading || row.text.front().isUpper() ? textFont.asBold() : textFont;
    cellText(form, QRectF(columnX(1), y, numberWidth, rowHeight), row.number, textFont);
    cellText(form, QRectF(columnX(2), y, descriptionWidth, rowHeight), rowText(row, h), font);
    for (int c = firstIddColumn; c <= lastIddColumn; ++c) {
        const QRectF box(columnX(c), y, amountWidth, rowHeight);
        if (!hasCell(row, c)) form.box(box, 0.0, shade);
        else if (row.kind == IddRowKind::Count) cellText(form, box, countText(figures.count(c)), amountFont, Align::Right);
        else if (row.kind == IddRowKind::Amounts) cellText(form, box, amountText(cells.byColumn[static_cast<std::size_t>(c)]), amountFont, Align::Right);
    }
    const QRectF total(columnX(9), y, totalWidth, rowHeight);
    if (row.kind == IddRowKind::Count) cellText(form, total, countText(figures.countTotal()), amountFont, Align::Right);
    else if (row.kind == IddRowKind::Amounts) cellText(form, total, amountText(cells.total), amountFont, Align::Right);
    table.ruleRow(form, y, rowHeight, 0.2);
}

double foot(Band& form, double y, const IddHeader& h) {
    form.text(left, y, QStringLiteral("1  Prema članku 209. Zakona o doprinosima"), smallFont);
    form.text(left, y + 3.2, QStringLiteral("2  Zakon o porezu na dohodak"), smallFont);
    y += 11.0;
    form.text(left, y, QStringLiteral("Datum sastavljanja:"), textFont);
    form.text(left + 30.0, y, h.datumSastavljanja, textFont.asBold());
    form.text(left + 95.0, y, QStringLiteral("Potvrda primitka:"), textFont);
    const double sign = left + tableWidth - 80.0;
    form.line(sign, y + 8.0, left + tableWidth, y + 8.0);
    form.text(sign, y + 9.0, QStringLiteral("PEČAT I POTPIS OVLAŠTENE OSOBE"), textFont, Align::Centre, 80.0);
    return y + 14.0;
}

}  // namespace

Page iddPage(const IddHeader& header, const IddFigures& figures) {
    Band form;
    double y = title(form, header);
    y = payer(form, y, header) + 3.0;
    y = section(form, y, QStringLiteral("II."), QStringLiteral("OPIS PODATAKA, VRSTE DOPRINOSA I PRIMITAKA "));
    y = matrixHeadings(form, y);
    for (std::size_t r = 0; r < iddRows().size(); ++r) {
        matrixRow(form, y, iddRows()[r], figures.cells(r), figures, header);
        y += rowHeight;
    }
    y = foot(form, y + 2.0, header);
    form.text(left, y, QStringLiteral("1"), smallFont, Align::Centre, tableWidth);
    Page page(Paper::a4Landscape());
    form.placeOn(page, 0.0);
    return page;
}

}  // namespace pramo
