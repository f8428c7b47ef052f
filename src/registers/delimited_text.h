#pragma once
// Reading the tab- and comma-separated files the registers are imported from: numbered lines and
// their cells, and what a file that is not UTF-8 text seems to be instead.

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

// The records of a CSV file: its lines, except that a line break inside double quotes belongs to
// the record (a spreadsheet cell of several lines). A record is numbered by its first line; one
// whose quote is never closed runs to the end of the file.
std::vector<TextLine> csvRecords(std::string_view data);

// The cells of a tab-separated line, each without surrounding blanks.
std::vector<std::string> tabCells(std::string_view line);

// The lines of a tab-separated table with their cells: comment lines (#) are left out, and so is a
// heading (a first line whose first cell is not a number).
struct TableLine {
    TextLine line;
    std::vector<std::string> cells;
};
std::vector<TableLine> tableLines(std::string_view tsv);

// The cells of a record separated by `separator`, each may be enclosed in double quotes (a quote
// in it doubled, "" alone an empty cell); surrounding blanks dropped. A line break inside quotes
// is read as one blank, as a register's field holds one line. nullopt when a quote is not closed.
std::optional<std::vector<std::string>> csvCells(std::string_view line, char separator);

// Whether `text` is well-formed UTF-8.
bool validUtf8(std::string_view text);

// Why `data` cannot be read as UTF-8 text, in the program's words, naming the encoding it seems
// to be in: UTF-16 LE or BE (by its byte-order mark, or by the zero byte beside each ASCII
// character), else Windows-1250 with the first line whose bytes are not UTF-8. nullopt for UTF-8.
std::optional<std::string> encodingProblem(std::string_view data);

// A cell's value for a message: control characters and bytes that are not UTF-8 shown as "�",
// a long value cut to its first 40 characters and "...", in single quotes.
std::string shownValue(std::string_view value);

}  // namespace pramo
