#include "reports/listing.h"

#include "preview/text_metrics.h"

namespace pramo {
namespace {

constexpr double margin = 12.0;  // left and right, mm

double rightEdge(const ListingLayout& l) { return l.paper.pageSize().width() - margin; }

Band header(const ListingLayout& l) {
    const PageFont titleFont = l.font.sized(13.0).asBold();
    const PageFont captionFont = l.font.asBold();
    const double width = rightEdge(l) - margin;
    Band band;
    band.text(margin, 0.0, l.title, titleFont, Align::Centre, width);
    double y = lineHeightMm(titleFont) + 3.0;
    for (const QString& line : l.headerLines) {
        band.text(margin, y, line, l.font);
        y += lineHeightMm(l.font);
    }
    if (!l.headerLines.empty()) y += 2.0;
    if (!l.groupHeading.isEmpty()) {
        band.text(margin, y, l.groupHeading, captionFont);
        y += lineHeightMm(captionFont);
    }
    for (const ListingColumn& c : l.columns) band.text(c.x, y, c.caption, captionFont, c.align, c.width);
    y += lineHeightMm(captionFont) + 1.0;
    band.line(margin, y, rightEdge(l), y, 0.3);
    band.setHeight(y + 1.5);
    return band;
}

Band footer(const ListingLayout& l, int page) {
    Band band;
    band.line(margin, 0.0, rightEdge(l), 0.0, 0.2);
    band.text(margin, 1.0, QStringLiteral("Page %1").arg(page), l.font, Align::Right, rightEdge(l) - margin);
    return band;
}

}  // namespace

ReportBuilder listingBuilder(const ListingLayout& layout, const PageSink& sink) {
    ReportBuilder builder(layout.paper, 10.0, 8.0);
    builder.setPageHeader([layout](int) { return header(layout); });
    builder.setPageFooter(footer(layout, 1).height(), [layout](int page) { return footer(layout, page); });
    builder.streamTo(sink);
    return builder;
}

Band listingRow(const ListingLayout& layout, const std::vector<QString>& cells) {
    Band band;
    for (std::size_t i = 0; i < cells.size() && i < layout.columns.size(); ++i) {
        const ListingColumn& c = layout.columns[i];
        band.fitted(c.x, 0.0, cells[i], layout.font, c.align, c.width);
    }
    band.setHeight(lineHeightMm(layout.font) + 0.6);
    return band;
}

}  // namespace pramo
