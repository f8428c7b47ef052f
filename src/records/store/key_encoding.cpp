#include "records/store/key_encoding.h"

#include "records/values/unicode.h"

namespace pramo {
namespace {

void appendWeight(std::string& out, std::uint32_t w) {
    out += static_cast<char>((w >> 16) & 0xFF);
    out += static_cast<char>((w >> 8) & 0xFF);
    out += static_cast<char>(w & 0xFF);
}

// Signed numbers in big-endian order with the sign bit flipped, so bytes compare as the numbers do.
void appendNumber(std::string& out, std::int64_t v) {
    const auto u = static_cast<std::uint64_t>(v) ^ (std::uint64_t{1} << 63);
    for (int shift = 56; shift >= 0; shift -= 8) out += static_cast<char>((u >> shift) & 0xFF);
}

void appendText(std::string& out, std::string_view text) {
    forEachCodePoint(utf8::trimRight(text), [&](char32_t cp) { appendWeight(out, collationWeight(cp)); });
    appendWeight(out, 0);  // terminator: a shorter text sorts before its extensions
}

// Appends one component; returns true when it is blank or zero.
bool appendPart(std::string& out, const FieldDef& f, const KeyPart& part, const void* rec) {
    const std::size_t start = out.size();
    bool empty = false;
    if (f.isText()) {
        const auto text = f.getText(rec);
        empty = utf8::trimRight(text).empty();
        appendText(out, text);
    } else {
        const std::int64_t v = f.getInt(rec);
        empty = v == 0;
        appendNumber(out, v);
    }
    if (part.descending)
        for (std::size_t i = start; i < out.size(); ++i) out[i] = static_cast<char>(~out[i]);
    return empty;
}

}  // namespace

std::optional<std::string> encodeKey(const KeyDef& key, const void* rec) {
    std::string out;
    bool allEmpty = true;
    for (std::size_t i = 0; i < key.parts.size(); ++i) {
        const FieldDef& f = key.table->fields[static_cast<std::size_t>(key.fieldIndex[i])];
        allEmpty = appendPart(out, f, key.parts[i], rec) && allEmpty;
    }
    if (allEmpty) return std::nullopt;
    return out;
}

std::string encodeSeek(const KeyDef& key, const void* rec) {
    std::string out;
    for (std::size_t i = 0; i < key.parts.size(); ++i) {
        const FieldDef& f = key.table->fields[static_cast<std::size_t>(key.fieldIndex[i])];
        appendPart(out, f, key.parts[i], rec);
    }
    return out;
}

std::string foldText(std::string_view text) {
    std::string out;
    appendText(out, text);
    return out;
}

}  // namespace pramo
