// The currency of amounts by their date: kuna to the last day of 2022, euro from 1 January 2023
// and for an amount without a date.

#include <gtest/gtest.h>

#include "records/values/currency.h"

namespace pramo {
namespace {

TEST(Currency, ByDate) {
    const struct {
        Date day;
        const char* code;
        const char* symbol;
        const char* inUnits;
    } cases[] = {
        {*Date::fromYmd(2015, 3, 15), "HRK", "kn", "kunama i lipama"},
        {*Date::fromYmd(2022, 12, 31), "HRK", "kn", "kunama i lipama"},
        {*Date::fromYmd(2023, 1, 1), "EUR", "EUR", "eurima i centima"},
        {*Date::fromYmd(2026, 1, 15), "EUR", "EUR", "eurima i centima"},
        {Date{}, "EUR", "EUR", "eurima i centima"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.day.toString());
        const Currency& cur = currencyOn(c.day);
        EXPECT_EQ(cur.code, c.code);
        EXPECT_EQ(cur.symbol, c.symbol);
        EXPECT_EQ(cur.inUnits, c.inUnits);
    }
    EXPECT_EQ(currencyOfMonth(2022, 12).code, "HRK");
    EXPECT_EQ(currencyOfMonth(2023, 1).code, "EUR");
    EXPECT_EQ(currencyOfMonth(2022, 13).code, "EUR");  // no such month: today's currency
}

}  // namespace
}  // namespace pramo
