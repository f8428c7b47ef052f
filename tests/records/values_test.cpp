#include <gtest/gtest.h>

#include "records/values/date.h"
#include "records/values/text.h"
#include "records/values/unicode.h"

namespace pramo {
namespace {

TEST(Date, SerialDaysFollowTheCalendar) {
    const Date d = *Date::fromYmd(2015, 1, 1);
    EXPECT_EQ(d.serial(), 78166);  // the example the README gives for the stored value
    EXPECT_EQ((d - 1).toString(), "31.12.2014");
    EXPECT_EQ((*Date::fromYmd(2016, 3, 1) - 1).toString(), "29.02.2016");
    EXPECT_EQ((*Date::fromYmd(2015, 3, 1) - 1).toString(), "28.02.2015");
    EXPECT_EQ((*Date::fromYmd(2000, 3, 1) - 1).toString(), "29.02.2000");
    EXPECT_EQ((*Date::fromYmd(1900, 3, 1) - 1).toString(), "28.02.1900");
    EXPECT_EQ((*Date::fromYmd(2014, 12, 31) + 1).toString(), "01.01.2015");
}

TEST(Date, DayOfYearAndParts) {
    const Date d = *Date::fromYmd(2014, 2, 1);
    EXPECT_EQ(d.dayOfYear(), 32);
    EXPECT_EQ(Date::fromYmd(2016, 12, 31)->dayOfYear(), 366);
    EXPECT_EQ(d.year(), 2014);
    EXPECT_EQ(d.month(), 2);
    EXPECT_EQ(d.day(), 1);
    EXPECT_EQ(d.isoString(), "2014-02-01");
}

TEST(Date, ParsesAndRefusesDays) {
    EXPECT_EQ(Date::parse("01.02.2014")->toString(), "01.02.2014");
    EXPECT_EQ(Date::parse("1.2.2014")->toString(), "01.02.2014");
    EXPECT_TRUE(Date::parse("")->isNull());
    EXPECT_EQ(Date{}.toString(), "");
    for (const char* bad : {"31.04.2015", "29.02.2015", "00.01.2015", "1.13.2015", "1.1.15", "x", "1-1-2015"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(Date::parse(bad).has_value());
    }
}

// The boundaries of a date's year and of the month before it (the period of a non-taxable JOPPD
// row): across the turn of a year, in leap and common Februaries; no date gives no date, and so
// does a boundary past the calendar's ends.
TEST(Date, YearAndMonthBoundaries) {
    const struct { const char* day; const char* year; const char* monthBefore; const char* thisMonth; } cases[] = {
        {"15.03.2015", "01.01.2015-31.12.2015", "01.02.2015-28.02.2015", "01.03.2015-31.03.2015"},
        {"01.03.2016", "01.01.2016-31.12.2016", "01.02.2016-29.02.2016", "01.03.2016-31.03.2016"},
        {"10.01.2016", "01.01.2016-31.12.2016", "01.12.2015-31.12.2015", "01.01.2016-31.01.2016"},
        {"31.12.2015", "01.01.2015-31.12.2015", "01.11.2015-30.11.2015", "01.12.2015-31.12.2015"},
        {"15.01.1801", "01.01.1801-31.12.1801", "-", "01.01.1801-31.01.1801"},
        {"", "-", "-", "-"},
    };
    const auto span = [](Date from, Date to) { return from.isNull() ? std::string("-") : from.toString() + "-" + to.toString(); };
    for (const auto& c : cases) {
        const Date d = *Date::parse(c.day);
        EXPECT_EQ(span(d.yearStart(), d.yearEnd()), c.year) << c.day;
        EXPECT_EQ(span(d.monthStart(-1), d.monthEnd(-1)), c.monthBefore) << c.day;
        EXPECT_EQ(span(d.monthStart(), d.monthEnd()), c.thisMonth) << c.day;
        EXPECT_EQ(d.monthEnd(-1).isNull(), d.monthStart(-1).isNull()) << c.day;
    }
    EXPECT_TRUE(Date::parse("15.12.9999")->monthStart(1).isNull());
}

TEST(Text, KeepsAtMostItsCharactersAndIgnoresTrailingBlanks) {
    Text<5> t = "ŠČĆĐŽabc";
    EXPECT_EQ(t.str(), "ŠČĆĐŽ");
    EXPECT_EQ(t.length(), 5u);
    Text<10> a = "ana   ";
    EXPECT_EQ(a, "ana");
    EXPECT_EQ(a, Text<10>("ana"));
    EXPECT_NE(a, Text<10>("ANA"));  // equality of values is exact; keys fold case
    EXPECT_TRUE(Text<3>("   ").blank());
}

TEST(Text, UpperCaseCoversCroatianLetters) {
    EXPECT_EQ(utf8::upper("čćđšž abc"), "ČĆĐŠŽ ABC");
}

// What another tool stored is shown, never obeyed: control characters and bytes that are not
// well-formed UTF-8 (overlong forms, surrogates, code points above U+10FFFF, sequences cut short)
// become "�"; a message's own line feeds and tabs stay.
TEST(Text, VisibleTextShowsControlsAndMalformedBytes) {
    const struct {
        std::string in;
        bool valid;
        const char* visible;
        const char* lines;
    } cases[] = {
        {"Šimić Ana", true, "Šimić Ana", "Šimić Ana"},
        {"a\x1b[31mb", true, "a\uFFFD[31mb", "a\uFFFD[31mb"},
        {"a\nb\tc\r", true, "a\uFFFDb\uFFFDc\uFFFD", "a\nb\tc\uFFFD"},
        {"\x7f\xc2\x9b\xc2\xa0", true, "\uFFFD\uFFFD\u00A0", "\uFFFD\uFFFD\u00A0"},  // DEL, CSI (C1), no-break space
        {std::string("x\0y", 3), true, "x\uFFFDy", "x\uFFFDy"},
        {"Ana\xed\xa0\x80", false, "Ana\uFFFD\uFFFD\uFFFD", "Ana\uFFFD\uFFFD\uFFFD"},  // a surrogate
        {"\xc0\xaf", false, "\uFFFD\uFFFD", "\uFFFD\uFFFD"},                              // an overlong '/'
        {"\xf4\x90\x80\x80", false, "\uFFFD\uFFFD\uFFFD\uFFFD", "\uFFFD\uFFFD\uFFFD\uFFFD"},  // above U+10FFFF
        {"\xc4", false, "\uFFFD", "\uFFFD"},                                                  // cut short
        {"\xf0\x9f\x98\x80\xef\xbf\xbe", true, "\U0001F600\uFFFE", "\U0001F600\uFFFE"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isValidUtf8(c.in), c.valid) << c.visible;
        EXPECT_EQ(visibleUtf8(c.in), c.visible);
        EXPECT_EQ(visibleLines(c.in), c.lines);
    }
}

}  // namespace
}  // namespace pramo
