#include "preview/form_drawing.h"

#include <algorithm>

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

TableColumns::TableColumns(double left, double right, const std::vector<double>& widths) : edges_{left} {
    double fixed = 0.0;
    const auto shares = static_cast<double>(std::count(widths.begin(), widths.end(), 0.0));
    for (const double w : widths) fixed += w;
    for (const double w : widths) edges_.push_back(edges_.back() + (w > 0.0 ? w : (right - left - fixed) / shares));
    if (shares > 0.0) edges_.back() = right;
}

QRectF TableColumns::cells(std::size_t c, std::size_t last, double top, double height) const {
    return {edges_[c], top, edges_[last + 1] - edges_[c], height};
}

void TableColumns::ruleRow(Band& band, double top, double height, double pen) const {
    columnRules(band, edges_, top, height, pen);
    band.line(left(), top + height, right(), top + height, pen);
}

void tableHead(Band& band, const TableColumns& table, const TableHead& head, const std::vector<HeadColumn>& columns) {
    const double numbers = head.top + head.captionHeight, bottom = numbers + head.numberHeight;
    band.box(QRectF(table.left(), head.top, table.right() - table.left(), bottom - head.top), head.framePen);
    band.line(table.left(), numbers, table.right(), numbers, 0.2);
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const HeadColumn& h = columns[c];
        if (!h.caption.isEmpty()) cellCaption(band, table.cell(c, head.top, head.captionHeight - h.captionCut), h.caption, head.font);
        cellCaption(band, table.cell(c, numbers, head.numberHeight), {h.number}, head.font);
        if (h.rulePen > 0.0) band.line(table.edge(c), head.top, table.edge(c), bottom, h.rulePen);
    }
}

}  // namespace pramo
