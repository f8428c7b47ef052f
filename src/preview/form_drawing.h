#pragma once
// Drawing printed forms on plain paper: texts placed in the cells of a form's grid, captions of
// several lines centred in their cell, framed fields. Everything goes into a Band, which a form
// places on its page or gives to a ReportBuilder as the page header.

#include <QRectF>
#include <QString>
#include <QStringList>
#include <string_view>
#include <vector>

#include "preview/report_builder.h"

namespace pramo {

inline constexpr double cellPadding = 1.0;  // mm between a cell's frame and its text

// A record's text for a page.
inline QString pageText(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// One line of text in a cell: vertically centred, aligned within the cell's padding, in smaller type
// where it is wider than the cell.
void cellText(Band& band, const QRectF& cell, const QString& text, const PageFont& font, Align align = Align::Left);
// Lines one under the other, the block centred in the cell both ways.
void cellCaption(Band& band, const QRectF& cell, const QStringList& lines, const PageFont& font);
// A framed cell with one line of text.
void framedText(Band& band, const QRectF& cell, const QString& text, const PageFont& font, Align align = Align::Left,
                double pen = 0.2);

// Vertical rules at the column edges, from `top` down `height`.
void columnRules(Band& band, const std::vector<double>& edges, double top, double height, double pen = 0.2);

// The columns of a ruled table, laid from `left` by their widths; a width of 0 is an equal share of
// what the others leave up to `right` (which is then the table's right edge).
class TableColumns {
public:
    TableColumns(double left, double right, const std::vector<double>& widths);

    const std::vector<double>& edges() const { return edges_; }
    double left() const { return edges_.front(); }
    double right() const { return edges_.back(); }
    double edge(std::size_t c) const { return edges_[c]; }
    double width(std::size_t c) const { return edges_[c + 1] - edges_[c]; }
    // Column c, or columns c to `last` together, from `top` down `height`.
    QRectF cell(std::size_t c, double top, double height) const { return cells(c, c, top, height); }
    QRectF cells(std::size_t c, std::size_t last, double top, double height) const;
    // A row's rules: at every column edge from `top` down `height`, and across under them.
    void ruleRow(Band& band, double top, double height, double pen) const;

private:
    std::vector<double> edges_;
};

// A table's head: each column's caption lines centred in its cell over `captionHeight` (less its
// `captionCut`, left for captions the form draws under it), the column numbers under them, and a
// rule at each column's left edge down to the numbers (none where `rulePen` is 0); framed, with a
// rule between the captions and the numbers.
struct HeadColumn {
    QStringList caption{};
    QString number{};
    double rulePen = 0.0;
    double captionCut = 0.0;
};

struct TableHead {
    double top;
    double captionHeight;
    double numberHeight;
    PageFont font;
    double framePen = 0.4;
};

void tableHead(Band& band, const TableColumns& table, const TableHead& head, const std::vector<HeadColumn>& columns);

}  // namespace pramo
