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

// Rounds one evaluated step into its target type: loc.bruto = round<Money>(..., flags).
template <class D>
D round(const Exact& value, Flags& flags) {
    return D::round(value, flags);
}

}  // namespace pramo
