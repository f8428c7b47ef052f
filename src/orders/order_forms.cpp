#include "orders/order_forms.h"

#include <algorithm>

#include "orders/hub3_code.h"
#include "preview/text_metrics.h"
#include "records/values/text.h"

namespace pramo {
namespace {

using F = Field;

// HUB-3: one order per sheet of continuous paper 250 mm by 4 inches; the body starts 10 mm from
// the left and 5 mm from the top. The receipt stub shows the whole model and IBAN; its model box
// starts a millimetre early and ends a millimetre before the reference, so the two never read as
// one number.
const FormLayout hub3{
    .form = OrderForm::Hub3, .body = {10.0, 5.0}, .bandHeight = 100.0, .ordersPerPage = 1,
    .matrixPaper = {250.0, 101.6}, .laserPaper = Paper::a4Landscape(),
    .fields = {{F::Iznos, 124, 8, 34, 6},       {F::Uplatitelj, 22, 12, 46, 4}, {F::Zirou, 105, 14, 44, 4},
               {F::Adresau, 22, 16, 45, 4},     {F::Mjestou, 22, 20, 45, 4},    {F::Modelu, 70, 23},
               {F::Zirop, 105, 29, 44, 4},      {F::Modelp, 70, 36},            {F::Pozivp, 92, 36, 68, 6},
               {F::Primatelj, 22, 37, 45, 4},   {F::Adresap, 22, 41, 45, 4},    {F::Opisplacanja, 100, 41, 60, 14},
               {F::Mjestop, 22, 45, 45, 4},     {F::Iznos, 180, 13, 34, 6},     {F::Nazivodrezak, 165, 22, 59, 4},
               {F::Zirop, 172, 38, 38, 4},      {F::Modelp, 166, 46, 5, 4},     {F::Pozivp, 172, 46, 40, 6, 30}},
};

// HUB-3A: three orders to a sheet of 304.8 mm (or A4); the body starts 5 mm from the left at the
// top. The 2D code goes into the free field under the recipient block. The receipt stub's fields
// end 192 mm into the band, so that on A4 nothing runs past the sheet; the payer's name and
// address take two lines there. Its models end a millimetre before their references begin.
const FormLayout hub3a{
    .form = OrderForm::Hub3a, .body = {5.0, 0.0}, .bandHeight = 97.0, .ordersPerPage = 3,
    .matrixPaper = {250.0, 304.8}, .laserPaper = Paper::a4(),
    .fields = {{F::Iznos, 105, 8, 34, 6},       {F::Uplatitelj, 3, 10, 46, 4},  {F::Zirou, 86, 13, 44, 4},
               {F::Adresau, 3, 14, 45, 4},      {F::Mjestou, 3, 18, 45, 4},     {F::Modelu, 49, 21},
               {F::Pozivu, 61, 21, 78, 6},      {F::Zirop, 86, 28, 44, 4},      {F::Primatelj, 3, 36, 45, 4},
               {F::Modelp, 49, 36},             {F::Pozivp, 61, 36, 78, 6},     {F::Adresap, 3, 40, 45, 4},
               {F::Opisplacanja, 81, 41, 60, 14}, {F::Mjestop, 3, 44, 45, 4},   {F::Iznos, 162, 8, 34, 6},
               {F::Nazivodrezak, 147, 14, 45, 7}, {F::Modelu, 146, 21, 7, 4},   {F::Pozivu, 154, 21, 38, 6},
               {F::Zirop, 149, 28, 43, 4},      {F::Modelp, 146, 36, 7, 4},     {F::Pozivp, 154, 36, 38, 6, 30},
               {F::Opisplacanja, 146, 44, 46, 12}},
    .codeArea = QRectF(3.0, 56.0, 58.0, 26.0),
};

const PageFont baseFont{.family = QStringLiteral("DejaVu Sans Mono"), .points = 10.0};
constexpr double smallestPoints = 6.0;
constexpr double step = 0.5;

// Fields shown in full whatever their box, in type as small as it must be: an order must never
// show an amount, an account, a model or a reference other than its own.
bool shownWhole(Field f) {
    return f == Field::Iznos || f == Field::Zirou || f == Field::Zirop || f == Field::Modelu || f == Field::Modelp ||
           f == Field::Pozivu || f == Field::Pozivp;
}

// Text in one line, in smaller type if it must. Below the smallest size the end that does not fit
// is cut, unless the text is to be shown whole.
QStringList oneLine(const QString& text, const Placement& p, PageFont& font, bool whole) {
    font = fittedFont(baseFont, text, p.width);
    if (!whole && font.points < smallestPoints) font = baseFont.sized(smallestPoints);
    QString shown = text;
    while (!whole && shown.size() > 1 && textWidthMm(font, shown) > p.width) shown.chop(1);
    return {shown};
}

// Text in a box of several lines: broken into lines at the largest size (from the base down) at
// which they all fit; at the smallest size, the lines that fit (the rest is cut).
QStringList severalLines(const QString& text, const Placement& p, PageFont& font, double baseLineHeight) {
    for (;; font.points -= step) {
        const QStringList lines = wrapText(text, font, p.width);
        const double lineHeight = baseLineHeight * font.points / baseFont.points;
        const auto room = std::max<qsizetype>(1, static_cast<qsizetype>(p.height / lineHeight + 0.05));
        if (lines.size() <= room) return lines;
        if (font.points - step < smallestPoints) return lines.mid(0, room);
    }
}

void drawField(Page& page, const PaymentOrder& order, const Placement& p, QPointF corner) {
    const std::string& value = order[p.field];
    const QString text = QString::fromStdString(p.firstChars ? cutText(value, p.firstChars) : value);
    const QPointF at = corner + QPointF(p.x, p.y);
    PageFont font = baseFont;
    if (text.isEmpty() || p.width <= 0.0) {
        if (!text.isEmpty()) page.text(at, text, font);
        return;
    }
    const double baseLineHeight = lineHeightMm(baseFont);
    const bool whole = shownWhole(p.field);
    const bool twoLinesFit = p.height >= 2.0 * baseLineHeight * smallestPoints / baseFont.points;
    const QStringList lines = whole || !twoLinesFit ? oneLine(text, p, font, whole)
                                                    : severalLines(text, p, font, baseLineHeight);
    const double lineHeight = baseLineHeight * font.points / baseFont.points;
    const Align align = p.field == Field::Iznos ? Align::Right : Align::Left;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        page.text(at + QPointF(0.0, static_cast<double>(i) * lineHeight), lines[i], font, align, p.width);
    }
}

// The code inside its area, with a millimetre of quiet zone on every side.
void drawCode(Page& page, const PaymentOrder& order, const QRectF& area, QPointF corner) {
    const std::optional<std::string> content = hub3Content(order);
    if (!content) return;
    std::string error;
    const QRectF inner = area.translated(corner).adjusted(1.0, 1.0, -1.0, -1.0);
    if (std::optional<PageModules> symbol = pdf417Symbol(latin2FromUtf8(*content), inner, error)) page.add(std::move(*symbol));
}

}  // namespace

const FormLayout& formLayout(OrderForm form) { return form == OrderForm::Hub3 ? hub3 : hub3a; }

Paper orderPaper(const FormLayout& layout, PrinterKind printer, QPointF offset) {
    if (printer == PrinterKind::Laser) return layout.laserPaper;
    return Paper{.size = layout.matrixPaper, .custom = true, .offset = offset};
}

void drawOrder(Page& page, const FormLayout& layout, const PaymentOrder& order, QPointF corner) {
    for (const Placement& p : layout.fields) drawField(page, order, p, corner);
    if (layout.codeArea) drawCode(page, order, *layout.codeArea, corner);
}

std::vector<Page> orderPages(const FormLayout& layout, const Paper& paper, const std::vector<PaymentOrder>& orders) {
    std::vector<Page> pages;
    for (std::size_t i = 0; i < orders.size(); ++i) {
        const auto slot = static_cast<int>(i % static_cast<std::size_t>(layout.ordersPerPage));
        if (slot == 0) pages.emplace_back(paper);
        drawOrder(pages.back(), layout, orders[i], layout.body + QPointF(0.0, slot * layout.bandHeight));
    }
    return pages;
}

}  // namespace pramo
