#pragma once
// How a decimal is written, one function for every use, locale-free:
//   Screen  "1.439,26"  entries, list columns and shown values: an amount (a number written with
//                       decimals) with a point between thousands and a decimal comma; a whole
//                       number ("12345", a code held in a decimal field) is written plain
//   Print   "1.439,26"  printed pages: a point between thousands, decimal comma
//   Xml     "1439.26"   XML files and plain data: decimal point, no grouping
// Every form may be blank for zero (printed pages and lists leave most zeros empty), and may drop
// the zeros that end the decimals ("1500", "1234.5"), as some XML returns want their amounts.

#include <cstdint>
#include <string>

namespace pramo {

enum class NumberUse { Screen, Print, Xml };

struct NumberFormat {
    NumberUse use = NumberUse::Screen;
    bool blankWhenZero = false;
    bool trimZeros = false;  // no trailing zeros after the separator, no separator for a whole number
};

// `raw` scaled by 10^places, written with exactly `places` decimals.
std::string formatDecimal(std::int64_t raw, int places, NumberFormat format);

// The same for any Dec<N,P> (or anything with raw() and a static `places`).
template <class D>
std::string formatNumber(const D& value, NumberFormat format) {
    return formatDecimal(value.raw(), D::places, format);
}

template <class D> std::string screenAmount(const D& v) { return formatNumber(v, {NumberUse::Screen}); }
template <class D> std::string printAmount(const D& v) { return formatNumber(v, {NumberUse::Print}); }
template <class D> std::string printAmountOrBlank(const D& v) { return formatNumber(v, {NumberUse::Print, true}); }
template <class D> std::string xmlAmount(const D& v) { return formatNumber(v, {NumberUse::Xml}); }
// A rate as a plain number in printed text: "25", "12,5", "0".
template <class D> std::string plainNumber(const D& v) { return formatNumber(v, {NumberUse::Print, false, true}); }

}  // namespace pramo
