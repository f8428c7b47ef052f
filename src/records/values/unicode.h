#pragma once
// Code points of UTF-8 text, letter case of the Latin letters Croatian text uses, and the
// collation weights that order keys the Croatian way without regard to case.

#include <cstdint>
#include <string>
#include <string_view>

namespace pramo {

// Calls f(char32_t) for every code point; a malformed byte is taken as U+FFFD.
template <class F>
void forEachCodePoint(std::string_view s, F&& f) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        const int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
        bool ok = extra >= 0 && i + static_cast<std::size_t>(extra) < s.size();
        char32_t cp = ok ? static_cast<char32_t>(extra == 0 ? c : (c & (0x3F >> extra))) : 0;
        for (int k = 1; ok && k <= extra; ++k) {
            const auto cc = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
            ok = (cc & 0xC0) == 0x80;
            cp = (cp << 6) | (cc & 0x3Fu);
        }
        if (!ok) {
            f(U'\uFFFD');
            ++i;
            continue;
        }
        f(cp);
        i += static_cast<std::size_t>(extra) + 1;
    }
}

void appendUtf8(std::string& out, char32_t cp);

// The text with every control character (C0, DEL, C1), every malformed byte and every encoded
// surrogate or code past U+10FFFF replaced by U+FFFD "�": for printing what another tool may have
// stored without it driving a terminal; the result is always well-formed UTF-8.
std::string visibleUtf8(std::string_view s);
char32_t toLower(char32_t cp);
char32_t toUpper(char32_t cp);

// Sort weight of a character in a key: case folded, č and ć right after c, đ after d, š after s,
// ž after z; digits and punctuation before letters. Never 0.
std::uint32_t collationWeight(char32_t cp);

}  // namespace pramo
