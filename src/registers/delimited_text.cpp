#include "registers/delimited_text.h"

#include "registers/check_digits.h"

#include <algorithm>

#include "records/values/text.h"
#include "records/values/unicode.h"
#include "registers/import_outcome.h"

namespace pramo {
namespace {

constexpr std::string_view utf8Bom = "\xEF\xBB\xBF";

std::string trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(" \t");
    return std::string(s.substr(first, last - first + 1));
}

// The non-blank records of `data`, each ending at a line feed; inside double quotes a line feed
// does not end the record when `quotesJoin`. A record is numbered by the line it starts on.
std::vector<TextLine> records(std::string_view data, bool quotesJoin) {
    if (data.starts_with(utf8Bom)) data.remove_prefix(utf8Bom.size());
    std::vector<TextLine> out;
    int number = 1, joined = 0;
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= data.size(); ++i) {
        const bool end = i == data.size();
        if (!end && quotesJoin && data[i] == '"') quoted = !quoted;
        if (!end && data[i] != '\n') continue;
        if (!end && quoted) {
            ++joined;
            continue;
        }
        std::string_view text = data.substr(start, i - start);
        if (text.ends_with('\r')) text.remove_suffix(1);
        if (text.find_first_not_of(" \t") != std::string_view::npos) out.push_back({number, text});
        number += 1 + joined;
        joined = 0;
        start = i + 1;
    }
    return out;
}

// Which UTF-16 the data seems to be in: by its byte-order mark, else by the zero bytes that stand
// beside every ASCII character (after it in LE, before it in BE).
std::optional<std::string_view> utf16Kind(std::string_view data) {
    if (data.starts_with("\xFF\xFE")) return "UTF-16 LE";
    if (data.starts_with("\xFE\xFF")) return "UTF-16 BE";
    const std::size_t n = std::min<std::size_t>(data.size(), 4096);
    std::size_t even = 0, odd = 0;
    for (std::size_t i = 0; i < n; ++i)
        if (data[i] == '\0') ++(i % 2 ? odd : even);
    if (odd > n / 4 && odd > 2 * even) return "UTF-16 LE";
    if (even > n / 4 && even > 2 * odd) return "UTF-16 BE";
    return std::nullopt;
}

constexpr std::size_t shownCharacters = 40;

}  // namespace

std::vector<TextLine> textLines(std::string_view data) { return records(data, false); }

std::vector<TextLine> csvRecords(std::string_view data) { return records(data, true); }

std::vector<TableLine> tableLines(std::string_view tsv) {
    std::vector<TableLine> out;
    bool first = true;
    for (const TextLine& line : textLines(tsv)) {
        if (line.text.starts_with('#')) continue;
        std::vector<std::string> cells = tabCells(line.text);
        const bool heading = first && !allDigits(cells.front());
        first = false;
        if (!heading) out.push_back({line, std::move(cells)});
    }
    return out;
}

std::vector<std::string> tabCells(std::string_view line) {
    std::vector<std::string> cells;
    for (;;) {
        const auto tab = line.find('\t');
        cells.push_back(trimmed(line.substr(0, tab)));
        if (tab == std::string_view::npos) return cells;
        line.remove_prefix(tab + 1);
    }
}

std::optional<std::vector<std::string>> csvCells(std::string_view line, char separator) {
    std::vector<std::string> cells;
    std::string cell;
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        const char next = i + 1 < line.size() ? line[i + 1] : '\0';
        if (quoted && c == '"' && next == '"') {
            cell += '"';
            ++i;
        } else if (quoted && (c == '\n' || c == '\r')) {
            cell += ' ';
            if (c == '\r' && next == '\n') ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == separator && !quoted) {
            cells.push_back(trimmed(cell));
            cell.clear();
        } else {
            cell += c;
        }
    }
    if (quoted) return std::nullopt;
    cells.push_back(trimmed(cell));
    return cells;
}

bool validUtf8(std::string_view text) {
    bool valid = true;
    forEachCodePoint(text, [&](char32_t cp) { valid = valid && cp != U'\uFFFD'; });
    return valid;
}

std::optional<std::string> encodingProblem(std::string_view data) {
    if (const auto kind = utf16Kind(data))
        return "datoteka nije UTF-8 tekst, izgleda kao " + std::string(*kind) + " (spremite je kao UTF-8)";
    for (const TextLine& line : textLines(data)) {
        if (!validUtf8(line.text))
            return lineProblem(line.number, "tekst nije UTF-8, datoteka izgleda kao Windows-1250 (spremite je kao UTF-8)");
    }
    return std::nullopt;
}

std::string shownValue(std::string_view value) {
    const std::string_view start = utf8::prefix(value, shownCharacters);
    return "'" + visibleUtf8(start) + (start.size() < value.size() ? "...'" : "'");
}

}  // namespace pramo
