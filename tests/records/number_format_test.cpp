#include <gtest/gtest.h>

#include "records/values/dec.h"

namespace pramo {
namespace {

TEST(NumberFormat, ThousandsAndDecimalComma) {
    struct Case {
        std::int64_t raw;
        int places;
        const char* text;
    };
    const Case cases[] = {
        {0, 2, "0,00"},         {5, 2, "0,05"},          {-5, 2, "-0,05"},
        {1800, 2, "18,00"},     {123450, 2, "1.234,50"}, {-123450, 2, "-1.234,50"},
        {99999999999, 2, "999.999.999,99"},              {100000, 2, "1.000,00"},
        {12345, 0, "12.345"},   {1, 4, "0,0001"},        {999, 2, "9,99"},
    };
    for (const Case& c : cases) EXPECT_EQ(formatDecimal(c.raw, c.places, {NumberUse::Print}), c.text) << c.raw;
    EXPECT_EQ(printAmountOrBlank(Rate::fromRaw(0)), "");
    EXPECT_EQ(printAmountOrBlank(Rate::fromRaw(2000)), "20,00");
    EXPECT_EQ(printAmount(Money::fromRaw(143926)), "1.439,26");
}

TEST(NumberFormat, EachUse) {
    const Money m = Money::fromRaw(-143926);
    EXPECT_EQ(screenAmount(m), "-1.439,26");
    EXPECT_EQ(printAmount(m), "-1.439,26");
    EXPECT_EQ(xmlAmount(m), "-1439.26");
    EXPECT_EQ(xmlAmount(Money{}), "0.00");
    EXPECT_EQ(formatNumber(Money{}, {NumberUse::Xml, true}), "");
}

// Screens write amounts as printed pages do; a whole number there is a code or a count.
TEST(NumberFormat, ScreensGroupAmountsOnly) {
    const struct { std::int64_t raw; int places; const char* text; } cases[] = {
        {123450, 2, "1.234,50"}, {-99999999999, 2, "-999.999.999,99"}, {99999, 2, "999,99"},
        {12345678, 4, "1.234,5678"}, {12345, 0, "12345"}, {1000, 0, "1000"}};
    for (const auto& c : cases) EXPECT_EQ(formatDecimal(c.raw, c.places, {NumberUse::Screen}), c.text) << c.raw;
}

TEST(NumberFormat, TrailingZerosDropped) {
    const struct { std::int64_t raw; const char* text; } cases[] = {
        {150000, "1500"}, {123450, "1234.5"}, {123456, "1234.56"}, {0, "0"}, {5, "0.05"}, {-10, "-0.1"}, {1000, "10"}};
    for (const auto& c : cases) EXPECT_EQ(formatDecimal(c.raw, 2, {NumberUse::Xml, false, true}), c.text) << c.raw;
}

TEST(NumberFormat, PlainRateDropsTrailingZeros) {
    const struct { std::int64_t raw; const char* text; } cases[] = {
        {1800, "18"}, {1250, "12,5"}, {5, "0,05"}, {0, "0"}, {-250, "-2,5"}, {100000, "1.000"}};
    for (const auto& c : cases) EXPECT_EQ(plainNumber(Rate7::fromRaw(c.raw)), c.text) << c.raw;
}

}  // namespace
}  // namespace pramo
