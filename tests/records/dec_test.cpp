#include <gtest/gtest.h>

#include <functional>

#include "records/values/dec.h"
#include "support/office.h"

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

// Sums and conversions between widths at the edge of the digits: one unit past the widest value is
// flagged and held at the widest value of its sign, never wrapped round; one unit short is exact.
TEST(Dec, CheckedSumsAndConversionsFlagOneUnitPastTheDigits) {
    using Amount15 = Dec<15, 2>;
    const Money top = test::money("999999999.99"), cent = test::money("0.01");
    const struct {
        const char* what;
        std::function<std::string(Flags&)> result;
        const char* expected;
        bool overflow;
    } cases[] = {
        {"add at the edge", [&](Flags& f) { return add(test::money("999999999.98"), cent, f).toString(); }, "999999999.99", false},
        {"add past it", [&](Flags& f) { return add(top, cent, f).toString(); }, "999999999.99", true},
        {"subtract past it", [&](Flags& f) { return subtract(test::money("-999999999.99"), cent, f).toString(); }, "-999999999.99", true},
        {"subtract across zero", [&](Flags& f) { return subtract(cent, top, f).toString(); }, "-999999999.98", false},
        {"widened", [&](Flags& f) { return Amount15::from(test::money("-999999999.99"), f).toString(); }, "-999999999.99", false},
        {"narrowed past", [&](Flags& f) { return Money::from(test::dec<Amount15>("1000000000.00"), f).toString(); }, "999999999.99", true},
        {"fewer places", [&](Flags& f) { return Money::from(Dec<3, 0>::whole(-123), f).toString(); }, "-123.00", false},
    };
    for (const auto& c : cases) {
        Flags f;
        EXPECT_EQ(c.result(f), c.expected) << c.what;
        EXPECT_EQ(f.overflow, c.overflow) << c.what;
    }
}

// A Total is as wide as a decimal goes; past it the total is flagged, the flag stays with every
// total it goes into, and a field it is put into is flagged as well.
TEST(Dec, TotalKeepsItsOverflowToTheDocument) {
    const Money cent = test::money("0.01");
    const Total widest(Total::Value::fromRaw(Total::Value::maxRaw - 1));
    Total edge = widest;
    edge += cent;
    EXPECT_FALSE(edge.overflowed());
    EXPECT_EQ(edge.raw(), Total::Value::maxRaw);
    Total past = edge;
    past += cent;
    EXPECT_TRUE(past.overflowed());
    Total below(Total::Value::fromRaw(-Total::Value::maxRaw));
    below -= cent;
    EXPECT_TRUE(below.overflowed());

    Total file;
    file += test::dec<Money>("1.00");
    file += past;
    file -= past;
    EXPECT_TRUE(file.overflowed()) << "an overflow is not undone by taking the amount off again";

    const struct { const char* amount; bool fits; } fields[] = {{"999999999.99", true}, {"1000000000.00", false}, {"-1000000000.00", false}};
    for (const auto& f : fields) {
        Flags flags;
        const Money m = Total(test::dec<Dec<15, 2>>(f.amount)).into<Money>(flags);
        EXPECT_EQ(flags.overflow, !f.fits) << f.amount;
        EXPECT_EQ(m.toString(), f.fits ? f.amount : f.amount[0] == '-' ? "-999999999.99" : "999999999.99");
    }
    Flags flags;
    (void)past.into<Total::Value>(flags);
    EXPECT_TRUE(flags.overflow) << "a total that overflowed flags the field it goes into";
}

}  // namespace
}  // namespace pramo
