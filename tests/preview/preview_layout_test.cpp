#include <gtest/gtest.h>

#include <QStringList>

#include "preview/preview_layout.h"

namespace pramo {
namespace {

constexpr double a4 = 297.0 / 210.0;

TEST(ThumbnailGrid, SizesAndPlaces) {
    struct Case {
        QSize area;
        int across, down;
        double aspect;
        QSize thumbnail;
        QRect last;  // the last cell, row by row
    };
    // Worked by hand: 800 wide, 1 across: (800 - 2) / 1 = 798; 600 high: (600 - 18 - 2) = 580.
    // 297/210 > 580/798, so the width becomes 580 / 1.41428... = 410.1 -> 410.
    const Case cases[] = {
        {{800, 600}, 1, 1, a4, {410, 580}, {1, 1, 410, 580}},
        // 2 x 2: (800 - 5) / 2 = 397, (600 - 18 - 5) / 2 = 288; width 288 / 1.414 = 203.6 -> 203;
        // the second column starts at 1 + 203 + 3, the second row at 1 + 288 + 3.
        {{800, 600}, 2, 2, a4, {203, 288}, {207, 292, 203, 288}},
        // A landscape page in a wide area: 798 x 580, 0.7071 < 580/798, so height = 798 * 0.7071 = 564.2 -> 564.
        {{800, 600}, 1, 1, 210.0 / 297.0, {798, 564}, {1, 1, 798, 564}},
        // 3 across, 1 down in a narrow area: (400 - 8) / 3 = 130, (700 - 18 - 2) = 680;
        // 1.414 < 680 / 130, so the height becomes 130 * 1.414 = 183.8 -> 183; third column at 1 + 2 * 133.
        {{400, 700}, 3, 1, a4, {130, 183}, {267, 1, 130, 183}},
    };
    for (const Case& c : cases) {
        const ThumbnailGrid g = thumbnailGrid(c.area, c.across, c.down, c.aspect);
        SCOPED_TRACE(testing::Message() << c.across << "x" << c.down);
        EXPECT_EQ(g.thumbnail, c.thumbnail);
        ASSERT_EQ(g.cells.size(), static_cast<std::size_t>(c.across * c.down));
        EXPECT_EQ(g.cells.front(), QRect(QPoint(1, 1), c.thumbnail));
        EXPECT_EQ(g.cells.back(), c.last);
    }
}

TEST(ThumbnailGrid, RowByRow) {
    const ThumbnailGrid g = thumbnailGrid({800, 600}, 2, 2, a4);
    EXPECT_EQ(g.cells[1].topLeft(), QPoint(207, 1));
    EXPECT_EQ(g.cells[2].topLeft(), QPoint(1, 292));
}

TEST(PreviewMoves, ByOnePageOrByTheGrid) {
    struct Case {
        int current, count, shown, next, previous;
    };
    const Case cases[] = {
        {1, 5, 1, 2, 1},   // one page shown: by one, not below page 1
        {5, 5, 1, 5, 4},   // not past the last page
        {1, 6, 4, 5, 1},   // a 2 x 2 grid: pages 5 and 6 exist beyond, so on to 5
        {1, 4, 4, 1, 1},   // no page beyond the grid: stays
        {5, 9, 4, 9, 1},   // previous goes down to page 1 at the lowest
        {7, 9, 4, 7, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "page " << c.current << " of " << c.count << " by " << c.shown);
        EXPECT_EQ(nextPage(c.current, c.count, c.shown), c.next);
        EXPECT_EQ(previousPage(c.current, c.shown), c.previous);
    }
    EXPECT_EQ(pagesShown(Zoom::NoZoom, 3, 2), 6);
    EXPECT_EQ(pagesShown(Zoom::PageWidth, 3, 2), 1);
    EXPECT_EQ(pagesShown(Zoom::Percent200, 3, 2), 1);
}

PageList numberedPages(int count) {
    std::vector<Page> pages;
    for (int i = 1; i <= count; ++i) pages.push_back(Page().text({10, 10}, QString::number(i)));
    return PageList(std::move(pages));
}

QString firstText(const Page& p) { return std::get<TextRun>(p.items().front()).text; }

TEST(PreviewMoves, DeletingPages) {
    PageList pages = numberedPages(4);
    pages.toggleMark(1);
    pages.toggleMark(3);
    EXPECT_EQ(deleteCurrentPage(pages, 1), 1);  // page 1 stays current
    ASSERT_EQ(pages.count(), 3);
    EXPECT_EQ(firstText(pages.page(1)), "2");
    EXPECT_EQ(pages.markedCount(), 1);
    EXPECT_EQ(pages.marks(), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(deleteCurrentPage(pages, 3), 2);  // the new last page becomes current
    ASSERT_EQ(pages.count(), 2);
    EXPECT_EQ(firstText(pages.page(2)), "3");
    EXPECT_EQ(pages.markedCount(), 1);
}

TEST(PreviewZoom, Scales) {
    EXPECT_DOUBLE_EQ(zoomScale(Zoom::PageWidth, 630.0, 210.0, 96.0), 3.0);
    EXPECT_DOUBLE_EQ(zoomScale(Zoom::Percent100, 630.0, 210.0, 127.0), 5.0);
    EXPECT_DOUBLE_EQ(zoomScale(Zoom::Percent50, 630.0, 210.0, 127.0), 2.5);
    EXPECT_DOUBLE_EQ(zoomScale(Zoom::Percent300, 630.0, 210.0, 127.0), 15.0);
    QStringList texts;
    for (const ZoomEntry& e : zoomEntries()) texts << e.listText;
    EXPECT_EQ(texts.join('|'), "No Zoom|Page Width|Zoom (50%)|Zoom (75%)|Zoom (100%)|Zoom (200%)|Zoom (300%)");
}

}  // namespace
}  // namespace pramo
