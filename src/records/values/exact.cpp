#include "records/values/exact.h"

#include <algorithm>

namespace pramo {
namespace {

Int128 absOf(Int128 v) { return v < 0 ? -v : v; }

Int128 gcdOf(Int128 a, Int128 b) {
    a = absOf(a);
    b = absOf(b);
    while (b != 0) {
        const Int128 t = a % b;
        a = b;
        b = t;
    }
    return a;
}

Int128 pow10(int n) {
    Int128 p = 1;
    for (int i = 0; i < n; ++i) p *= 10;
    return p;
}

bool mul(Int128 a, Int128 b, Int128& out) { return !__builtin_mul_overflow(a, b, &out); }
bool add(Int128 a, Int128 b, Int128& out) { return !__builtin_add_overflow(a, b, &out); }

}  // namespace

Exact Exact::make(Int128 num, Int128 den) {
    if (den == 0) return broken(false, true);
    if (den < 0) {
        num = -num;
        den = -den;
    }
    const Int128 g = gcdOf(num, den);
    Exact e;
    e.num_ = g > 1 ? num / g : num;
    e.den_ = g > 1 ? den / g : den;
    return e;
}

Exact Exact::broken(bool overflow, bool divByZero) {
    Exact e;
    e.overflow_ = overflow;
    e.divByZero_ = divByZero;
    return e;
}

Exact Exact::combine(const Exact& a, const Exact& b) {
    return broken(a.overflow_ || b.overflow_, a.divByZero_ || b.divByZero_);
}

Exact Exact::scaled(std::int64_t raw, int places) { return make(raw, pow10(places)); }

std::optional<Exact> Exact::parse(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    Int128 num = 0;
    int places = 0;
    bool point = false;
    int digits = 0;
    for (char c : text) {
        if (c == '.' || c == ',') {
            if (point) return std::nullopt;
            point = true;
        } else if (c >= '0' && c <= '9') {
            if (++digits > 30) return std::nullopt;
            num = num * 10 + (c - '0');
            if (point) ++places;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0) return std::nullopt;
    return make(negative ? -num : num, pow10(places));
}

std::optional<std::int64_t> Exact::roundScaled(int places) const {
    if (!valid()) return std::nullopt;
    Int128 scaledNum = 0;
    if (!mul(num_, pow10(places), scaledNum)) return std::nullopt;
    Int128 q = scaledNum / den_;
    const Int128 r = absOf(scaledNum % den_);
    if (r * 2 >= den_) q += scaledNum < 0 ? -1 : 1;  // half away from zero
    if (q > INT64_MAX || q < -INT64_MAX) return std::nullopt;
    return static_cast<std::int64_t>(q);
}

Exact operator+(const Exact& a, const Exact& b) {
    if (!a.valid() || !b.valid()) return Exact::combine(a, b);
    if (a.den_ == b.den_) {
        Int128 n = 0;
        if (!add(a.num_, b.num_, n)) return Exact::broken(true, false);
        return Exact::make(n, a.den_);
    }
    Int128 x = 0, y = 0, n = 0, d = 0;
    if (!mul(a.num_, b.den_, x) || !mul(b.num_, a.den_, y) || !add(x, y, n) || !mul(a.den_, b.den_, d))
        return Exact::broken(true, false);
    return Exact::make(n, d);
}

Exact operator-(const Exact& a) {
    if (!a.valid()) return a;
    Exact e = a;
    e.num_ = -a.num_;
    return e;
}

Exact operator-(const Exact& a, const Exact& b) { return a + (-b); }

Exact operator*(const Exact& a, const Exact& b) {
    if (!a.valid() || !b.valid()) return Exact::combine(a, b);
    // Cross-reduce first so that products of reduced fractions stay small.
    const Int128 g1 = std::max<Int128>(1, gcdOf(a.num_, b.den_));
    const Int128 g2 = std::max<Int128>(1, gcdOf(b.num_, a.den_));
    Int128 n = 0, d = 0;
    if (!mul(a.num_ / g1, b.num_ / g2, n) || !mul(a.den_ / g2, b.den_ / g1, d))
        return Exact::broken(true, false);
    return Exact::make(n, d);
}

Exact operator/(const Exact& a, const Exact& b) {
    if (!a.valid() || !b.valid()) return Exact::combine(a, b);
    if (b.num_ == 0) return Exact::broken(false, true);
    Exact inverse;
    inverse.num_ = b.den_;
    inverse.den_ = b.num_;
    if (inverse.den_ < 0) {
        inverse.num_ = -inverse.num_;
        inverse.den_ = -inverse.den_;
    }
    return a * inverse;
}

bool operator==(const Exact& a, const Exact& b) {
    return a.valid() && b.valid() && a.num_ == b.num_ && a.den_ == b.den_;
}

bool operator<(const Exact& a, const Exact& b) {
    const Exact d = a - b;
    return d.valid() && d.num_ < 0;
}

std::string Exact::toString() const {
    if (!valid()) return overflow_ ? "overflow" : "division by zero";
    auto str = [](Int128 v) {
        if (v == 0) return std::string("0");
        const bool neg = v < 0;
        std::string s;
        for (Int128 x = absOf(v); x > 0; x /= 10) s.insert(s.begin(), static_cast<char>('0' + static_cast<int>(x % 10)));
        return neg ? "-" + s : s;
    };
    return den_ == 1 ? str(num_) : str(num_) + "/" + str(den_);
}

}  // namespace pramo
