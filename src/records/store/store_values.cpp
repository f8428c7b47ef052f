// Reading a row into a record: every value is checked against its field first. A value that
// another tool put in and that the field cannot hold (text in a number, a number too wide for its
// field, a text longer than its width) is never clamped or cut: the read fails, naming the file,
// the row, the field and the value.

#include <sqlite3.h>

#include <algorithm>

#include "records/store/stmt_use.h"
#include "records/store/store.h"
#include "records/store/store_sql.h"
#include "records/values/unicode.h"

namespace pramo {
namespace {

constexpr std::size_t shownBytes = 40;

// The value for a message: its first characters, control characters shown as "�" so that what
// another tool stored never drives the terminal the message is printed on.
std::string shown(sqlite3_stmt* st, int col) {
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st, col));
    const std::string_view text(p ? p : "", static_cast<std::size_t>(sqlite3_column_bytes(st, col)));
    const bool cut = text.size() > shownBytes;
    std::size_t end = std::min(text.size(), shownBytes);
    while (cut && end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;  // whole characters only
    return "'" + visibleUtf8(text.substr(0, end)) + (cut ? "...'" : "'");
}

std::size_t characters(std::string_view text) {
    std::size_t n = 0;
    forEachCodePoint(utf8::trimRight(text), [&](char32_t) { ++n; });
    return n;
}

std::string textProblem(const FieldDef& f, sqlite3_stmt* st, int col) {
    if (sqlite3_column_type(st, col) != SQLITE_TEXT) return "holds " + shown(st, col) + ", which is not text";
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st, col));
    const std::size_t n = characters(std::string_view(p ? p : "", static_cast<std::size_t>(sqlite3_column_bytes(st, col))));
    if (n <= static_cast<std::size_t>(f.size)) return {};
    return "holds " + std::to_string(n) + " characters, more than the " + std::to_string(f.size) + " of " + f.typeName();
}

std::string numberProblem(const FieldDef& f, sqlite3_stmt* st, int col) {
    if (sqlite3_column_type(st, col) != SQLITE_INTEGER) return "holds " + shown(st, col) + ", which is not a whole number";
    const std::int64_t v = sqlite3_column_int64(st, col);
    if (v >= f.minValue() && v <= f.maxValue()) return {};
    const std::string units = f.type == FieldType::Decimal ? " (stored in units of its last decimal place)" : "";
    return "holds " + std::to_string(v) + ", outside " + f.typeName() + ": " + std::to_string(f.minValue()) + " to " +
           std::to_string(f.maxValue()) + units;
}

// Why the value in column `col` of the current row cannot be held by `f`; empty when it can.
std::string valueProblem(const FieldDef& f, sqlite3_stmt* st, int col) {
    return f.isText() ? textProblem(f, st, col) : numberProblem(f, st, col);
}

std::string where(const TableDef& t, std::int64_t id, const FieldDef& f) {
    return std::string(t.name) + " row " + std::to_string(id) + ", " + std::string(f.name) + " ";
}

}  // namespace

StoreCode Store::readRow(const TableDef& t, sqlite3_stmt* st, void* rec) {
    bool derived = false;
    return readRow(t, st, rec, derived);
}

StoreCode Store::readRow(const TableDef& t, sqlite3_stmt* st, void* rec, bool& derivedChanged) {
    derivedChanged = false;
    RowRef& row = t.row(rec);
    row.id = sqlite3_column_int64(st, 0);
    row.version = sqlite3_column_int64(st, 1);
    int col = 2;
    for (const FieldDef& f : t.fields) {
        if (const std::string why = valueProblem(f, st, col); !why.empty()) {
            error_ = {StoreCode::LayoutMismatch, "Invalid Value: " + where(t, row.id, f) + why, 0, {}};
            return StoreCode::LayoutMismatch;
        }
        if (f.isText()) {
            const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st, col));
            f.setText(rec, std::string_view(p ? p : "", static_cast<std::size_t>(sqlite3_column_bytes(st, col))));
        } else {
            f.setInt(rec, sqlite3_column_int64(st, col));
        }
        ++col;
    }
    if (t.derive) derivedChanged = t.derive(rec);
    return StoreCode::Ok;
}

StoreCode Store::findBadValues(const TableDef& t, std::vector<std::string>& found, std::int64_t& count, std::size_t limit) {
    found.clear();
    count = 0;
    Stmt* s = statement("SELECT " + sql::selectColumns(t) + " FROM " + sql::quoted(t.name) + " ORDER BY _id");
    if (!s) return error_.code;
    StmtUse use(s->st);
    int rc;
    while ((rc = sqlite3_step(use.get())) == SQLITE_ROW) {
        for (std::size_t i = 0; i < t.fields.size(); ++i) {
            const std::string why = valueProblem(t.fields[i], use.get(), static_cast<int>(i) + 2);
            if (why.empty()) continue;
            if (found.size() < limit) found.push_back("row " + std::to_string(sqlite3_column_int64(use.get(), 0)) + ", " +
                                                      std::string(t.fields[i].name) + " " + why);
            ++count;
        }
    }
    return rc == SQLITE_DONE ? succeed() : fail(rc);
}

}  // namespace pramo
