#include <gtest/gtest.h>

#include "preview/page_selection.h"

namespace pramo {
namespace {

std::vector<bool> marksOf(int count, std::initializer_list<int> marked) {
    std::vector<bool> marks(static_cast<std::size_t>(count), false);
    for (int n : marked) marks[static_cast<std::size_t>(n - 1)] = true;
    return marks;
}

TEST(PageSelection, KeepsWhatTheOptionChooses) {
    struct Case {
        const char* name;
        int count;
        std::initializer_list<int> marked;
        PageSelection selection;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {"all", 3, {2}, {PageChoice::All}, {1, 2, 3}},
        {"marked", 5, {2, 4}, {PageChoice::Marked}, {2, 4}},
        {"unmarked", 5, {2, 4}, {PageChoice::Unmarked}, {1, 3, 5}},
        {"marked, none marked", 3, {}, {PageChoice::Marked}, {}},
        {"unmarked, all marked", 2, {1, 2}, {PageChoice::Unmarked}, {}},
        {"range inside", 6, {}, {PageChoice::Range, 2, 4}, {2, 3, 4}},
        {"range one page", 6, {3}, {PageChoice::Range, 6, 6}, {6}},
        {"range ignores marks", 4, {1}, {PageChoice::Range, 1, 2}, {1, 2}},
        {"range backwards is empty", 4, {}, {PageChoice::Range, 3, 2}, {}},
        {"no pages", 0, {}, {PageChoice::All}, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(selectPages(marksOf(c.count, c.marked), c.selection), c.expected) << c.name;
    }
}

TEST(PageSelection, CopiesCollatedOrInPlace) {
    struct Case {
        std::vector<int> pages;
        int copies;
        bool collate;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {{1, 2, 3}, 2, true, {1, 2, 3, 1, 2, 3}},
        {{1, 2, 3}, 2, false, {1, 1, 2, 2, 3, 3}},
        {{1, 2, 3}, 1, true, {1, 2, 3}},
        {{1, 2, 3}, 1, false, {1, 2, 3}},
        {{2, 5}, 3, true, {2, 5, 2, 5, 2, 5}},
        {{2, 5}, 3, false, {2, 2, 2, 5, 5, 5}},
        {{}, 4, false, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(expandCopies(c.pages, c.copies, c.collate), c.expected) << c.copies << (c.collate ? " collated" : "");
    }
}

}  // namespace
}  // namespace pramo
