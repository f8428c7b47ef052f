#pragma once
// The frame the working listings share: a title and column captions at the top of every page,
// one row per record, the page number at the foot.

#include <QString>
#include <vector>

#include "preview/report_builder.h"

namespace pramo {

struct ListingColumn {
    QString caption;
    double x;      // mm from the page's left edge
    double width;
    Align align = Align::Left;
};

struct ListingLayout {
    QString title{};
    std::vector<QString> headerLines{};  // under the title: what the listing is of
    QString groupHeading{};  // over the column captions, when there is one
    std::vector<ListingColumn> columns{};
    Paper paper = Paper::a4();
    PageFont font = PageFont{}.sized(9.0);
};

// A builder with the listing's page header and footer ("Page" and the number), handing its pages
// to `sink` as they are made when there is one (ReportContext::sink).
ReportBuilder listingBuilder(const ListingLayout& layout, const PageSink& sink);

// One row with a text per column, each aligned in its column; a text wider than its column is
// drawn in smaller type, never into the next column.
Band listingRow(const ListingLayout& layout, const std::vector<QString>& cells);

}  // namespace pramo
