#include "shell/list/thumb_stops.h"

#include <algorithm>

#include "records/values/exact.h"
#include "records/store/key_encoding.h"
#include "records/values/text.h"
#include "records/values/unicode.h"

namespace pramo::thumb {
namespace {

constexpr int base = 27;     // the 26 upper-case letters and "no letter"
constexpr int width = 4;     // characters after the common prefix that the stops vary
constexpr std::int64_t span = base * base * base * base;

std::u32string codePoints(std::string_view s) {
    std::u32string out;
    forEachCodePoint(utf8::upper(s), [&](char32_t c) { out += c; });
    return out;
}

std::string utf8Of(const std::u32string& s) {
    std::string out;
    for (char32_t c : s) appendUtf8(out, c);
    return out;
}

int digitOf(char32_t c) { return c >= U'A' && c <= U'Z' ? static_cast<int>(c - U'A') + 1 : 0; }

std::int64_t valueAfter(const std::u32string& s, std::size_t start) {
    std::int64_t v = 0;
    for (std::size_t i = 0; i < width; ++i) v = v * base + (start + i < s.size() ? digitOf(s[start + i]) : 0);
    return v;
}

std::u32string charactersOf(std::int64_t v) {
    std::u32string out(width, U' ');
    for (int i = width - 1; i >= 0; --i, v /= base) {
        const auto d = static_cast<char32_t>(v % base);
        out[static_cast<std::size_t>(i)] = d == 0 ? U' ' : static_cast<char32_t>(U'A' + d - 1);
    }
    return out;
}

std::int64_t evenStop(std::int64_t low, std::int64_t high, int k) {
    const Int128 step = static_cast<Int128>(high - low) * k;
    return low + static_cast<std::int64_t>(step / (stops - 1));
}

}  // namespace

const std::vector<std::string>& surnameStops() {
    static const std::vector<std::string> list = [] {
        std::vector<std::string> s{"  ", "AF", "AN", "AT"};
        for (char x = 'B'; x <= 'Z'; ++x) {
            const std::string seconds = (x == 'Q' || x == 'Z') ? " N" : " FNT";
            for (char second : seconds) s.push_back(std::string{x, second});
        }
        return s;
    }();
    return list;
}

std::vector<std::string> textStops(std::string_view first, std::string_view last) {
    const std::u32string a = codePoints(first);
    const std::u32string b = codePoints(last);
    std::size_t common = 0;
    while (common < a.size() && common < b.size() && a[common] == b[common]) ++common;
    const std::u32string prefix = a.substr(0, common);
    const std::int64_t low = valueAfter(a, common);
    const std::int64_t high = std::max(low, valueAfter(b, common));
    std::vector<std::string> out;
    out.reserve(stops);
    for (int k = 0; k < stops; ++k) out.push_back(utf8Of(prefix + charactersOf(std::min(span - 1, evenStop(low, high, k)))));
    return out;
}

std::vector<std::int64_t> numberStops(std::int64_t low, std::int64_t high) {
    std::vector<std::int64_t> out;
    out.reserve(stops);
    for (int k = 0; k < stops; ++k) out.push_back(evenStop(low, high, k));
    return out;
}

int positionOf(const std::vector<std::string>& stopTexts, std::string_view value) {
    const std::string v = foldText(value);
    for (std::size_t i = 0; i < stopTexts.size(); ++i)
        if (foldText(stopTexts[i]) >= v) return static_cast<int>(i) + 1;
    return stops;
}

int positionOf(const std::vector<std::int64_t>& stopNumbers, std::int64_t value) {
    const auto it = std::lower_bound(stopNumbers.begin(), stopNumbers.end(), value);
    return it == stopNumbers.end() ? stops : static_cast<int>(it - stopNumbers.begin()) + 1;
}

}  // namespace pramo::thumb
