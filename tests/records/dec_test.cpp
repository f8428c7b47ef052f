#include <gtest/gtest.h>

#include "records/values/dec.h"

namespace pramo {
namespace {

struct RoundCase {
    const char* in;
    const char* out;
};

TEST(Dec, StoresRoundHalvesAwayFromZero) {
    const RoundCase cases[] = {
        {"10.005", "10.01"}, {"-10.005", "-10.01"}, {"10.004", "10.00"}, {"-10.004", "-10.00"},
        {"0.005", "0.01"},   {"-0.005", "-0.01"},   {"0.0049999", "0.00"}, {"999.995", "1000.00"},
        {"1,5", "1.50"},     {"-0", "0.00"},        {"12", "12.00"},       {"-0.015", "-0.02"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in);
        Flags f;
        EXPECT_EQ(Money::round(*Exact::parse(c.in), f).toString(), c.out);
        EXPECT_FALSE(f.any());
    }
}

TEST(Dec, OneStepIsEvaluatedExactlyThenRoundedOnce) {
    Flags f;
    // 1000 / 0.6948 = 1439.2630... : no intermediate rounding of the divisor.
    const Factor odq = Factor::round(*Exact::parse("0.7"), f);
    const Exact share = Exact(*Exact::parse("0.15")) + *Exact::parse("0.05") + *Exact::parse("0.8") * *Exact::parse("0.295");
    EXPECT_EQ(Money::round(Money::whole(1000) / (1 - odq * share), f).toString(), "1439.26");
    // A third times three is one, exactly.
    EXPECT_EQ(Money::round(Exact(1) / 3 * 3, f).toString(), "1.00");
    EXPECT_FALSE(f.any());
}

TEST(Dec, OverflowIsReportedNotWrapped) {
    Flags f;
    const Money m = Money::round(*Exact::parse("999999999.995"), f);
    EXPECT_TRUE(f.overflow);
    EXPECT_EQ(m.raw(), 0);

    Flags g;
    EXPECT_EQ(Money::round(*Exact::parse("999999999.99"), g).toString(), "999999999.99");
    EXPECT_EQ(Money::round(*Exact::parse("-999999999.99"), g).toString(), "-999999999.99");
    EXPECT_FALSE(g.any());

    Flags r;
    (void)Rate::round(*Exact::parse("1000"), r);  // DECIMAL(5,2) ends at 999,99
    EXPECT_TRUE(r.overflow);
}

TEST(Dec, DivisionByZeroGivesZeroAndAFlag) {
    Flags f;
    const Money m = Money::round(Money::whole(500) / (1 - Exact(1)), f);
    EXPECT_TRUE(f.divByZero);
    EXPECT_FALSE(f.overflow);
    EXPECT_TRUE(m.isZero());
}

TEST(Dec, ParsesPointOrCommaAndRefusesTheRest) {
    EXPECT_EQ(Money::parse("1439,26")->toString(), "1439.26");
    EXPECT_EQ(Money::parse("1439.26")->toString(), "1439.26");
    EXPECT_EQ(Money::parse("-0,5")->toString(), "-0.50");
    for (const char* bad : {"", "-", "1.2.3", "1,2,3", "12a", "1e5", " 1", "1 000"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(Money::parse(bad).has_value());
    }
    EXPECT_FALSE(Money::parse("1000000000").has_value());
}

TEST(Dec, ExactValuesCompareAsNumbers) {
    EXPECT_LT(*Exact::parse("-0.01"), Exact(0));
    EXPECT_EQ(*Exact::parse("0.50"), Exact(1) / 2);
    EXPECT_GT(Exact(1) / 3, *Exact::parse("0.3333"));
}

}  // namespace
}  // namespace pramo
