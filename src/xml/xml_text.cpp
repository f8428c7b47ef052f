#include "xml/xml_text.h"

#include <cstdio>

namespace pramo {
namespace {

using Byte = unsigned char;

bool continuation(Byte b) { return (b & 0xC0) == 0x80; }

// The bytes a sequence starting with `lead` should have (1 to 4); 0 when no sequence starts so.
std::size_t sequenceLength(Byte lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// The range of the byte after `lead` that keeps the sequence in shortest form, off the
// surrogates and within U+10FFFF; the bytes after it range over 80 to BF.
bool secondFits(Byte lead, Byte second) {
    switch (lead) {
    case 0xE0: return second >= 0xA0 && second <= 0xBF;
    case 0xED: return second >= 0x80 && second <= 0x9F;
    case 0xF0: return second >= 0x90 && second <= 0xBF;
    case 0xF4: return second >= 0x80 && second <= 0x8F;
    default: return continuation(second);
    }
}

// The code point of the well-formed sequence at `at` of `length` bytes; nullopt when it is not one.
std::optional<char32_t> decode(std::string_view s, std::size_t at, std::size_t length) {
    if (length == 0 || at + length > s.size()) return std::nullopt;
    const auto lead = static_cast<Byte>(s[at]);
    if (length == 1) return lead;
    if (!secondFits(lead, static_cast<Byte>(s[at + 1]))) return std::nullopt;
    char32_t cp = lead & (0x7Fu >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto b = static_cast<Byte>(s[at + k]);
        if (!continuation(b)) return std::nullopt;
        cp = (cp << 6) | (b & 0x3Fu);
    }
    return cp;
}

bool xmlAllows(char32_t cp) {
    if (cp == U'\t' || cp == U'\n' || cp == U'\r') return true;
    if (cp < 0x20 || (cp >= 0x7F && cp <= 0x9F)) return false;  // controls
    return cp != 0xFFFE && cp != 0xFFFF;
}

std::string hex(unsigned value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", digits, value);
    return text;
}

// The malformed sequence at `at` in words: its first byte and the continuation bytes after it.
std::string badBytes(std::string_view s, std::size_t at) {
    std::string shown = hex(static_cast<Byte>(s[at]), 2);
    std::size_t k = at + 1;
    for (; k < s.size() && k < at + 4 && continuation(static_cast<Byte>(s[k])); ++k) shown += " " + hex(static_cast<Byte>(s[k]), 2);
    return k == at + 1 ? "bajt " + shown + " nije ispravan UTF-8" : "bajtovi " + shown + " nisu ispravan UTF-8";
}

std::string characterWords(char32_t cp) {
    const std::string code = "U+" + hex(static_cast<unsigned>(cp), 4);
    return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F) ? "kontrolni znak " + code : "znak " + code + ", koji XML ne dopušta";
}

}  // namespace

std::optional<std::string> xmlTextFault(std::string_view text) {
    std::size_t character = 1;
    for (std::size_t at = 0; at < text.size(); ++character) {
        const std::size_t length = sequenceLength(static_cast<Byte>(text[at]));
        const std::optional<char32_t> cp = decode(text, at, length);
        const std::string where = " (" + std::to_string(character) + ". znak)";
        if (!cp) return badBytes(text, at) + where;
        if (!xmlAllows(*cp)) return characterWords(*cp) + where;
        at += length;
    }
    return std::nullopt;
}

std::optional<std::string> xmlFieldFault(const TableDef& t, const void* rec, std::initializer_list<std::string_view> fields) {
    for (const std::string_view name : fields) {
        const std::string field = "polje " + std::string(t.prefix) + ":" + std::string(name);
        const FieldDef* f = t.field(name);
        if (!f || !f->isText()) return field + " nije tekst";  // a caller's slip shows, never passes silently
        if (auto fault = xmlTextFault(f->getText(rec))) return field + " ne može se zapisati u XML: " + *fault;
    }
    return std::nullopt;
}

}  // namespace pramo
