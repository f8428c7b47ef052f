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

std::size_t wellFormedLength(std::string_view s) {
    if (s.empty()) return 0;
    const auto at = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char c = at(0);
    if (c < 0x80) return 1;
    std::size_t n = 0;
    unsigned char low = 0x80, high = 0xBF;  // the second byte's range (Unicode's table of well-formed sequences)
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        if (c == 0xE0) low = 0xA0;   // no overlong forms
        if (c == 0xED) high = 0x9F;  // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        if (c == 0xF0) low = 0x90;
        if (c == 0xF4) high = 0x8F;  // nothing above U+10FFFF
    }
    if (n == 0 || s.size() < n || at(1) < low || at(1) > high) return 0;
    for (std::size_t k = 2; k < n; ++k)
        if ((at(k) & 0xC0) != 0x80) return 0;
    return n;
}

bool isValidUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = wellFormedLength(s.substr(i));
        if (n == 0) return false;
        i += n;
    }
    return true;
}

namespace {

// Whether the well-formed sequence `seq` is a control character other than those in `kept`.
bool isControl(std::string_view seq, std::string_view kept) {
    const auto c = static_cast<unsigned char>(seq[0]);
    if (seq.size() == 1) return (c < 0x20 || c == 0x7F) && kept.find(seq[0]) == std::string_view::npos;
    return seq.size() == 2 && c == 0xC2 && static_cast<unsigned char>(seq[1]) <= 0x9F;  // C1: U+0080 to U+009F
}

std::string visible(std::string_view s, std::string_view kept) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = wellFormedLength(s.substr(i));
        const std::string_view seq = s.substr(i, n == 0 ? 1 : n);
        if (n == 0 || isControl(seq, kept)) out += "\uFFFD";
        else out += seq;
        i += seq.size();
    }
    return out;
}

}  // namespace

std::string visibleUtf8(std::string_view s) { return visible(s, {}); }

std::string visibleLines(std::string_view s) { return visible(s, "\n\t"); }

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
