#pragma once
// Drawing printed forms on plain paper: texts placed in the cells of a form's grid, captions of
// several lines centred in their cell, framed fields. Everything goes into a Band, which a form
// places on its page or gives to a ReportBuilder as the page header.

#include <QRectF>
#include <QString>
#include <QStringList>
#include <string_view>

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

}  // namespace pramo
