#pragma once
// Dec<N,P>: an exact decimal field of N digits, P of them after the point, as records store money,
// rates and factors. A value is rounded once, halves away from zero, when it is stored; a value
// that does not fit the digits is reported, never wrapped. There is no way in from double.

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "records/values/exact.h"
#include "records/values/number_format.h"

namespace pramo {

constexpr std::int64_t pow10i(int n) { return n == 0 ? 1 : 10 * pow10i(n - 1); }

template <int N, int P>
class Dec {
    static_assert(N >= 1 && N <= 18 && P >= 0 && P <= N, "Dec<N,P> holds up to 18 digits");

public:
    static constexpr int digits = N;
    static constexpr int places = P;
    static constexpr std::int64_t maxRaw = pow10i(N) - 1;

    constexpr Dec() = default;
    Dec(double) = delete;
    Dec(float) = delete;

    // The value raw / 10^P. A raw value beyond the digits is clamped and flagged.
    static constexpr Dec fromRaw(std::int64_t raw, Flags* flags = nullptr) {
        Dec d;
        if (raw > maxRaw || raw < -maxRaw) {
            if (flags) flags->overflow = true;
            raw = raw > 0 ? maxRaw : -maxRaw;
        }
        d.raw_ = raw;
        return d;
    }
    static constexpr Dec whole(std::int64_t units) { return fromRaw(units * pow10i(P)); }

    // A decimal of other digits and as many places or fewer, exactly (a wider one narrowed, a
    // narrower one widened); a value these digits cannot hold is flagged and clamped.
    template <int M, int Q>
    static Dec from(const Dec<M, Q>& value, Flags& flags) {
        static_assert(Q <= P, "a value of more places is rounded into its target, not converted");
        std::int64_t raw = 0;
        if (__builtin_mul_overflow(value.raw(), pow10i(P - Q), &raw)) raw = value.raw() > 0 ? maxRaw + 1 : -maxRaw - 1;
        return fromRaw(raw, &flags);
    }

    // The sum and the difference of two values of one type; a result past the digits is flagged
    // and clamped. (Neither can wrap: two values of at most 18 digits add up within 64 bits.)
    friend constexpr Dec add(const Dec& a, const Dec& b, Flags& flags) { return fromRaw(a.raw_ + b.raw_, &flags); }
    friend constexpr Dec subtract(const Dec& a, const Dec& b, Flags& flags) { return fromRaw(a.raw_ - b.raw_, &flags); }

    // The single rounding of a step. Overflow and division by zero are flagged and give zero.
    static Dec round(const Exact& value, Flags& flags) {
        if (value.dividedByZero()) flags.divByZero = true;
        const auto raw = value.roundScaled(P);
        if (!raw || *raw > maxRaw || *raw < -maxRaw) {
            if (value.valid() || value.overflowed()) flags.overflow = true;
            return Dec{};
        }
        return fromRaw(*raw);
    }

    // Text with a decimal point or comma, rounded to P places; nullopt if malformed or too large.
    static std::optional<Dec> parse(std::string_view text) {
        const auto e = Exact::parse(text);
        if (!e) return std::nullopt;
        Flags f;
        const Dec d = round(*e, f);
        if (f.any()) return std::nullopt;
        return d;
    }

    constexpr std::int64_t raw() const { return raw_; }
    constexpr bool isZero() const { return raw_ == 0; }
    operator Exact() const { return Exact::scaled(raw_, P); }  // NOLINT: every step starts exact

    // Plain text with a point and exactly P decimals, no grouping: "1439.26", "-0.05".
    std::string toString() const { return formatDecimal(raw_, P, {NumberUse::Xml}); }

    friend constexpr auto operator<=>(const Dec&, const Dec&) = default;
    friend constexpr bool operator==(const Dec&, const Dec&) = default;

private:
    std::int64_t raw_ = 0;
};

using Money = Dec<11, 2>;    // amounts: up to 999 999 999,99
using Rate = Dec<5, 2>;      // percentages: up to 999,99
using Rate7 = Dec<7, 2>;     // wider rates and allowance amounts
using Factor = Dec<7, 4>;    // calculation factors: 1,1800
using Amount9 = Dec<9, 2>;   // bracket bounds: up to 9 999 999,99

// A sum of amounts: as wide as a decimal goes (18 digits, to the cent), so that the totals of a
// whole file fit. An addition past it is flagged and the flags stay with the total, for the
// document that prints it to refuse rather than print a wrong figure; into a narrower field it
// goes through into(), which flags what that field cannot hold.
class Total {
public:
    using Value = Dec<18, 2>;
    static constexpr int places = Value::places;

    Total() = default;
    template <int N>
    explicit Total(const Dec<N, 2>& amount) : value_(Value::from(amount, flags_)) {}

    template <int N>
    Total& operator+=(const Dec<N, 2>& amount) { return *this += Total(amount); }
    template <int N>
    Total& operator-=(const Dec<N, 2>& amount) { return *this -= Total(amount); }
    Total& operator+=(const Total& other) { return combine(other, add(value_, other.value_, flags_)); }
    Total& operator-=(const Total& other) { return combine(other, subtract(value_, other.value_, flags_)); }
    friend Total operator+(Total a, const Total& b) { return a += b; }
    friend Total operator-(Total a, const Total& b) { return a -= b; }

    const Value& value() const { return value_; }
    std::int64_t raw() const { return value_.raw(); }  // for the formatting of amounts
    bool isZero() const { return value_.isZero(); }
    bool overflowed() const { return flags_.overflow; }
    const Flags& flags() const { return flags_; }

    // The total in a field of type D; flagged into `flags` when it overflowed or D cannot hold it.
    template <class D>
    D into(Flags& flags) const {
        flags.overflow = flags.overflow || flags_.overflow;
        return D::from(value_, flags);
    }

    friend bool operator==(const Total& a, const Total& b) { return a.value_ == b.value_; }
    friend auto operator<=>(const Total& a, const Total& b) { return a.value_ <=> b.value_; }

private:
    Total& combine(const Total& other, Value result) {
        flags_.overflow = flags_.overflow || other.flags_.overflow;
        value_ = result;
        return *this;
    }

    Flags flags_;  // before value_, which the converting constructor flags into
    Value value_;
};

// Rounds one evaluated step into its target type: loc.bruto = round<Money>(..., flags).
template <class D>
D round(const Exact& value, Flags& flags) {
    return D::round(value, flags);
}

}  // namespace pramo
