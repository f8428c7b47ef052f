#include "records/values/unicode.h"

namespace pramo {

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string visibleUtf8(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    forEachCodePoint(s, [&](char32_t cp) {
        const bool control = cp < 0x20 || (cp >= 0x7F && cp <= 0x9F);
        const bool noCharacter = (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF;  // an encoded surrogate, past Unicode
        appendUtf8(out, control || noCharacter ? U'\uFFFD' : cp);
    });
    return out;
}

char32_t toLower(char32_t cp) {
    if (cp >= U'A' && cp <= U'Z') return cp + 32;
    if ((cp >= 0xC0 && cp <= 0xDE) && cp != 0xD7) return cp + 32;
    // Latin Extended-A: capital and small letters alternate, in two runs with opposite parity.
    if ((cp >= 0x100 && cp <= 0x137) || (cp >= 0x14A && cp <= 0x177)) return cp | 1u;
    if ((cp >= 0x139 && cp <= 0x148) || (cp >= 0x179 && cp <= 0x17E)) return (cp & 1u) ? cp + 1 : cp;
    if (cp == 0x178) return 0xFF;
    return cp;
}

char32_t toUpper(char32_t cp) {
    if (cp >= U'a' && cp <= U'z') return cp - 32;
    if ((cp >= 0xE0 && cp <= 0xFE) && cp != 0xF7) return cp - 32;
    if ((cp >= 0x100 && cp <= 0x137) || (cp >= 0x14A && cp <= 0x177)) return cp & ~char32_t{1};
    if ((cp >= 0x139 && cp <= 0x148) || (cp >= 0x179 && cp <= 0x17E)) return (cp & 1u) ? cp : cp - 1;
    if (cp == 0xFF) return 0x178;
    return cp;
}

std::uint32_t collationWeight(char32_t cp) {
    const char32_t c = toLower(cp);
    auto letter = [](char32_t base, std::uint32_t variant) {
        return 0x1000u + static_cast<std::uint32_t>(base - U'a') * 8u + variant;
    };
    if (c >= U'a' && c <= U'z') return letter(c, 0);
    switch (c) {
    case U'č': return letter(U'c', 1);
    case U'ć': return letter(U'c', 2);
    case U'đ': return letter(U'd', 1);
    case U'š': return letter(U's', 1);
    case U'ž': return letter(U'z', 1);
    default: break;
    }
    if (c < 0x1000) return static_cast<std::uint32_t>(c) == 0 ? 1u : static_cast<std::uint32_t>(c);
    return 0x2000u + static_cast<std::uint32_t>(c);
}

}  // namespace pramo
