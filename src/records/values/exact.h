#pragma once
// Exact rational arithmetic for evaluating one calculation step before it is rounded once into
// its target field. Money never passes through floating point.

#include <concepts>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pramo {

__extension__ typedef __int128 Int128;

// What went wrong while a value was evaluated or stored. Sticky: once set, stays set.
struct Flags {
    bool overflow = false;    // a result did not fit its field (or the exact evaluation overflowed)
    bool divByZero = false;   // a divisor was zero; the result was taken as zero

    bool any() const { return overflow || divByZero; }
};

// A rational number num/den with den > 0, kept reduced. An operation that overflows 128 bits or
// divides by zero yields an invalid value that remembers why; invalid values poison what they touch.
class Exact {
public:
    constexpr Exact() = default;
    // Whole numbers convert implicitly, so that formulas read naturally: 1 - x.
    template <std::integral T>
    constexpr Exact(T v) : num_(static_cast<Int128>(v)) {}  // NOLINT(google-explicit-constructor)
    Exact(double) = delete;
    Exact(float) = delete;

    // The value raw / 10^places, as a decimal field holds it.
    static Exact scaled(std::int64_t raw, int places);
    // "1439.26", "-10,005", "+3": a sign, digits and one decimal point or comma. Anything else: nullopt.
    static std::optional<Exact> parse(std::string_view text);

    bool valid() const { return !overflow_ && !divByZero_; }
    bool overflowed() const { return overflow_; }
    bool dividedByZero() const { return divByZero_; }
    Int128 num() const { return num_; }
    Int128 den() const { return den_; }
    int sign() const { return num_ > 0 ? 1 : (num_ < 0 ? -1 : 0); }

    // Round to `places` decimals, halves away from zero; the result is the scaled integer.
    // nullopt when the value is invalid or does not fit in 64 bits.
    std::optional<std::int64_t> roundScaled(int places) const;

    friend Exact operator+(const Exact& a, const Exact& b);
    friend Exact operator-(const Exact& a, const Exact& b);
    friend Exact operator*(const Exact& a, const Exact& b);
    friend Exact operator/(const Exact& a, const Exact& b);
    friend Exact operator-(const Exact& a);
    friend bool operator==(const Exact& a, const Exact& b);
    friend bool operator<(const Exact& a, const Exact& b);
    friend bool operator>(const Exact& a, const Exact& b) { return b < a; }
    friend bool operator<=(const Exact& a, const Exact& b) { return !(b < a); }
    friend bool operator>=(const Exact& a, const Exact& b) { return !(a < b); }

    std::string toString() const;  // "num/den", for diagnostics

private:
    static Exact make(Int128 num, Int128 den);
    static Exact broken(bool overflow, bool divByZero);
    static Exact combine(const Exact& a, const Exact& b);  // carries the invalid flags of a and b

    Int128 num_ = 0;
    Int128 den_ = 1;
    bool overflow_ = false;
    bool divByZero_ = false;
};

}  // namespace pramo
