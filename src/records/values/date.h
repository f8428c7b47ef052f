#pragma once
// Dates as serial day numbers: consecutive integers, one per day, so that +1 is the next day and
// the first of a month - 1 is the last day of the month before. 0 means "no date".

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pramo {

class Date {
public:
    constexpr Date() = default;
    static constexpr Date fromSerial(std::int32_t serial) { return Date(serial); }
    // nullopt for a day that does not exist (31.04., 29.02. of a common year) or a year before 1801.
    static std::optional<Date> fromYmd(int year, int month, int day);
    // "dd.mm.yyyy" (also d.m.yyyy); an empty text is no date.
    static std::optional<Date> parse(std::string_view text);

    constexpr std::int32_t serial() const { return serial_; }
    constexpr bool isNull() const { return serial_ == 0; }
    int year() const;
    int month() const;
    int day() const;
    int dayOfYear() const;  // 1 for 1 January
    // The first and the last day of the date's year, and of the month `months` away from the
    // date's own (-1: the month before). No date gives no date, and so does a day past 9999.
    Date yearStart() const { return monthStart(1 - month()); }
    Date yearEnd() const { return monthEnd(12 - month()); }
    Date monthStart(int months = 0) const;
    Date monthEnd(int months = 0) const;

    std::string toString() const;  // "dd.mm.yyyy"; empty for no date
    std::string isoString() const; // "yyyy-mm-dd"; empty for no date

    constexpr Date operator+(int days) const { return Date(serial_ + days); }
    constexpr Date operator-(int days) const { return Date(serial_ - days); }
    constexpr int operator-(Date other) const { return serial_ - other.serial_; }
    friend constexpr auto operator<=>(Date, Date) = default;

private:
    constexpr explicit Date(std::int32_t serial) : serial_(serial) {}
    struct Ymd { int y, m, d; };
    Ymd ymd() const;

    std::int32_t serial_ = 0;
};

// Where "today" comes from: the computer's clock in the program, a fixed day in tests.
class Clock {
public:
    virtual ~Clock() = default;
    virtual Date today() const = 0;
    virtual std::int32_t secondsSinceMidnight() const = 0;
};

class SystemClock final : public Clock {
public:
    Date today() const override;
    std::int32_t secondsSinceMidnight() const override;
};

class FixedClock final : public Clock {
public:
    explicit FixedClock(Date day, std::int32_t seconds = 0) : day_(day), seconds_(seconds) {}
    Date today() const override { return day_; }
    std::int32_t secondsSinceMidnight() const override { return seconds_; }
    void set(Date day) { day_ = day; }

private:
    Date day_;
    std::int32_t seconds_;
};

}  // namespace pramo
