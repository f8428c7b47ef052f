#include "records/values/date.h"

#include <charconv>
#include <cstdio>
#include <ctime>

namespace pramo {
namespace {

// Days from 1970-01-01 to a civil date (proleptic Gregorian), after H. Hinnant's algorithm.
std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3u : 9u)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

// Serial day 1 is 29 December 1800, so every date from 1801 on is positive and 0 stays "no date".
const std::int64_t epoch = daysFromCivil(1800, 12, 28);

bool isLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int daysIn(int y, int m) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && isLeap(y) ? 29 : days[m - 1];
}

std::optional<int> number(std::string_view s) {
    int v = 0;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc{} || p != s.data() + s.size() || s.empty()) return std::nullopt;
    return v;
}

}  // namespace

std::optional<Date> Date::fromYmd(int year, int month, int day) {
    if (year < 1801 || year > 9999 || month < 1 || month > 12 || day < 1 || day > daysIn(year, month))
        return std::nullopt;
    const auto serial = daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) - epoch;
    return Date(static_cast<std::int32_t>(serial));
}

std::optional<Date> Date::parse(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    if (text.empty()) return Date{};
    const auto p1 = text.find('.');
    const auto p2 = p1 == std::string_view::npos ? p1 : text.find('.', p1 + 1);
    if (p2 == std::string_view::npos) return std::nullopt;
    const auto d = number(text.substr(0, p1));
    const auto m = number(text.substr(p1 + 1, p2 - p1 - 1));
    auto yText = text.substr(p2 + 1);
    if (!yText.empty() && yText.back() == '.') yText.remove_suffix(1);
    const auto y = number(yText);
    if (!d || !m || !y || yText.size() != 4) return std::nullopt;
    return fromYmd(*y, *m, *d);
}

Date::Ymd Date::ymd() const {
    // Inverse of daysFromCivil.
    const std::int64_t z = serial_ + epoch + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

int Date::year() const { return isNull() ? 0 : ymd().y; }
int Date::month() const { return isNull() ? 0 : ymd().m; }
int Date::day() const { return isNull() ? 0 : ymd().d; }

int Date::dayOfYear() const {
    if (isNull()) return 0;
    return serial_ - fromYmd(year(), 1, 1)->serial_ + 1;
}

Date Date::monthStart(int months) const {
    if (isNull()) return {};
    const Ymd v = ymd();
    const int index = v.y * 12 + v.m - 1 + months;
    return fromYmd(index / 12, index % 12 + 1, 1).value_or(Date{});
}

Date Date::monthEnd(int months) const {
    const Date first = monthStart(months);
    return first.isNull() ? first : fromYmd(first.year(), first.month(), daysIn(first.year(), first.month())).value_or(Date{});
}

std::string Date::toString() const {
    if (isNull()) return {};
    const Ymd v = ymd();
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d.%02d.%04d", v.d, v.m, v.y);
    return buf;
}

std::string Date::isoString() const {
    if (isNull()) return {};
    const Ymd v = ymd();
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", v.y, v.m, v.d);
    return buf;
}

Date SystemClock::today() const {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return *Date::fromYmd(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday);
}

std::int32_t SystemClock::secondsSinceMidnight() const {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return tm.tm_hour * 3600 + tm.tm_min * 60 + tm.tm_sec;
}

}  // namespace pramo
