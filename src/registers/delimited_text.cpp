#include "registers/delimited_text.h"

#include "records/values/unicode.h"

namespace pramo {
namespace {

std::string trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(" \t");
    return std::string(s.substr(first, last - first + 1));
}

}  // namespace

std::vector<TextLine> textLines(std::string_view data) {
    if (data.starts_with("\xEF\xBB\xBF")) data.remove_prefix(3);
    std::vector<TextLine> lines;
    int number = 0;
    while (!data.empty()) {
        const auto end = data.find('\n');
        std::string_view line = data.substr(0, end);
        data.remove_prefix(end == std::string_view::npos ? data.size() : end + 1);
        ++number;
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (line.find_first_not_of(" \t") != std::string_view::npos) lines.push_back({number, line});
    }
    return lines;
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
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
            cell += '"';
            ++i;
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

}  // namespace pramo
