#include <gtest/gtest.h>

#include "preview/page_list.h"
#include "preview/page_numbers.h"

namespace pramo {
namespace {

QString textAt(const Page& p, std::size_t i) { return std::get<TextRun>(p.items().at(i)).text; }

TEST(PageNumbers, CentredInTheirNineteenCharacters) {
    EXPECT_EQ(pageNumberText(1, 3), "    Page 1 of 3    ");
    EXPECT_EQ(pageNumberText(9, 10), "   Page 9 of 10    ");
    EXPECT_EQ(pageNumberText(10, 12), "   Page 10 of 12   ");
    EXPECT_EQ(pageNumberText(99999, 99999), "Page 99999 of 99999");
}

TEST(PageNumbers, EveryPageGetsItsNumberOnce) {
    std::vector<Page> pages(12);
    for (Page& p : pages) {
        p.line({0, 0}, {10, 0});
        p.text({10, 280}, "Str. Page xxxxx of xxxxx.");
        p.text({10, 285}, "Page xxxxx of xxxxx");  // only the first placeholder is numbered
    }
    pages[4].items().erase(pages[4].items().begin() + 1, pages[4].items().end());  // a page without one
    PageList list(pages);
    list.numberPages();
    EXPECT_EQ(textAt(list.page(1), 1), "Str.    Page 1 of 12    .");
    EXPECT_EQ(textAt(list.page(12), 1), "Str.    Page 12 of 12   .");
    EXPECT_EQ(textAt(list.page(4), 2), "Page xxxxx of xxxxx");
    EXPECT_EQ(list.page(5).items().size(), 1u);
    for (int n = 1; n <= 12; ++n) {
        if (n == 5) continue;
        EXPECT_EQ(textAt(list.page(n), 1).size(), 25) << n;
        EXPECT_TRUE(textAt(list.page(n), 1).contains(QStringLiteral("Page %1 of 12").arg(n))) << n;
    }
}

}  // namespace
}  // namespace pramo
