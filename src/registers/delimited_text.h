#pragma once
// Reading the tab- and comma-separated files the registers are imported from: numbered lines and
// their cells.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pramo {

struct TextLine {
    int number;             // counted from 1, blank lines included
    std::string_view text;  // without its line end
};

// The lines of a file, without a leading UTF-8 byte-order mark and without line ends (LF or CR LF).
// Blank lines are left out; they keep their place in the numbering.
std::vector<TextLine> textLines(std::string_view data);

// The cells of a tab-separated line, each without surrounding blanks.
std::vector<std::string> tabCells(std::string_view line);

// The cells of a line separated by `separator`, each may be enclosed in double quotes (a quote in
// it doubled); surrounding blanks dropped. nullopt when a quote is not closed on the line.
std::optional<std::vector<std::string>> csvCells(std::string_view line, char separator);

// Whether `text` is well-formed UTF-8.
bool validUtf8(std::string_view text);

}  // namespace pramo
