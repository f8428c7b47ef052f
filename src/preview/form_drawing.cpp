#include "preview/form_drawing.h"

#include "preview/text_metrics.h"

namespace pramo {

void cellText(Band& band, const QRectF& cell, const QString& text, const PageFont& font, Align align) {
    const double top = cell.top() + (cell.height() - lineHeightMm(font)) / 2.0;
    band.fitted(cell.left() + cellPadding, top, text, font, align, cell.width() - 2.0 * cellPadding);
}

void cellCaption(Band& band, const QRectF& cell, const QStringList& lines, const PageFont& font) {
    const double step = lineHeightMm(font);
    double top = cell.top() + (cell.height() - step * static_cast<double>(lines.size())) / 2.0;
    for (const QString& line : lines) {
        band.text(cell.left(), top, line, font, Align::Centre, cell.width());
        top += step;
    }
}

void framedText(Band& band, const QRectF& cell, const QString& text, const PageFont& font, Align align, double pen) {
    band.box(cell, pen);
    cellText(band, cell, text, font, align);
}

void columnRules(Band& band, const std::vector<double>& edges, double top, double height, double pen) {
    for (const double x : edges) band.line(x, top, x, top + height, pen);
}

}  // namespace pramo
