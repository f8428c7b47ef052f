#include "records/values/text.h"

#include "records/values/unicode.h"

namespace pramo::utf8 {

std::size_t length(std::string_view s) {
    std::size_t n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

std::string_view prefix(std::string_view s, std::size_t n) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
            if (chars == n) return s.substr(0, i);
            ++chars;
        }
    }
    return s;
}

std::string upper(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    forEachCodePoint(s, [&](char32_t cp) { appendUtf8(out, toUpper(cp)); });
    return out;
}

}  // namespace pramo::utf8
