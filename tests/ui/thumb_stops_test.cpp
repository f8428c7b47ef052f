#include <gtest/gtest.h>

#include <algorithm>

#include "records/store/key_encoding.h"
#include "shell/list/thumb_stops.h"

namespace pramo::thumb {
namespace {

TEST(ThumbStops, SurnameStopsAreTheHundredTwoLetterStops) {
    const auto& s = surnameStops();
    ASSERT_EQ(s.size(), 100u);
    const std::vector<std::string> head{"  ", "AF", "AN", "AT", "B ", "BF", "BN", "BT"};
    EXPECT_EQ(std::vector<std::string>(s.begin(), s.begin() + 8), head);
    const auto q = std::find(s.begin(), s.end(), "Q ");
    ASSERT_NE(q, s.end());
    EXPECT_EQ(*(q - 1), "PT");
    EXPECT_EQ(*(q + 1), "QN");
    EXPECT_EQ(*(q + 2), "R ");
    EXPECT_EQ(s[97], "YT");
    EXPECT_EQ(s[98], "Z ");
    EXPECT_EQ(s[99], "ZN");
    // Dragging down must never move up the list: the stops rise in key order.
    for (std::size_t i = 1; i < s.size(); ++i) EXPECT_LT(foldText(s[i - 1]), foldText(s[i])) << s[i];
}

TEST(ThumbStops, TextStopsSpreadEvenlyAfterTheCommonPrefix) {
    struct Case {
        const char* first;
        const char* last;
        std::vector<std::pair<int, std::string>> stops;  // stop index, text
    };
    // Four characters after the prefix are base-27 digits (blank 0, A..Z 1..26): "B   " is
    // 2×27³ = 39366, "D   " is 78732; stop 50 is 39366 + ⌊39366×50/99⌋ = 59247 = 3,0,7,9 = "C GI".
    const std::vector<Case> cases{
        {"ab", "ad", {{0, "AB   "}, {1, "AB NS"}, {50, "AC GI"}, {98, "ACZLG"}, {99, "AD   "}}},
        {"Ana", "Aoran", {{0, "ANA  "}, {50, "ANWFT"}, {99, "AORAN"}}},
        {"Ivo", "Ivo", {{0, "IVO    "}, {99, "IVO    "}}},
    };
    for (const Case& c : cases) {
        const auto stops = textStops(c.first, c.last);
        ASSERT_EQ(stops.size(), 100u) << c.first;
        for (const auto& [k, text] : c.stops) EXPECT_EQ(stops[static_cast<std::size_t>(k)], text) << c.first << " stop " << k;
    }
}

TEST(ThumbStops, NumberStopsRunFromLowToHigh) {
    struct Case {
        std::int64_t low, high;
        std::vector<std::pair<int, std::int64_t>> stops;
    };
    const std::vector<Case> cases{
        {10, 1000, {{0, 10}, {1, 20}, {50, 510}, {99, 1000}}},
        {-99, 0, {{0, -99}, {40, -59}, {99, 0}}},
        {7, 7, {{0, 7}, {99, 7}}},
    };
    for (const Case& c : cases) {
        const auto stops = numberStops(c.low, c.high);
        ASSERT_EQ(stops.size(), 100u);
        for (const auto& [k, v] : c.stops) EXPECT_EQ(stops[static_cast<std::size_t>(k)], v) << c.low << ".." << c.high << " stop " << k;
    }
}

TEST(ThumbStops, ThumbGoesToTheFirstStopNotBelowTheValue) {
    struct Case {
        const char* surname;
        int position;
    };
    // "Šimić" sorts after every S stop and before "T " (stop 75): Croatian order, case ignored.
    const std::vector<Case> cases{{"", 1}, {"Aaron", 2}, {"Babić", 6}, {"BF", 6}, {"Šimić", 75},
                                  {"Zn", 100}, {"Zzz", 100}};
    for (const Case& c : cases) EXPECT_EQ(positionOf(surnameStops(), c.surname), c.position) << c.surname;
    const auto numbers = numberStops(10, 1000);
    EXPECT_EQ(positionOf(numbers, 5), 1);
    EXPECT_EQ(positionOf(numbers, 15), 2);
    EXPECT_EQ(positionOf(numbers, 1000), 100);
    EXPECT_EQ(positionOf(numbers, 2000), 100);
}

}  // namespace
}  // namespace pramo::thumb
