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
    if (sqlite3_column_type(st, col) != SQLITE_TEXT) return "sadrži " + shown(st, col) + ", što nije tekst";
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st, col));
    const std::size_t n = characters(std::string_view(p ? p : "", static_cast<std::size_t>(sqlite3_column_bytes(st, col))));
    if (n <= static_cast<std::size_t>(f.size)) return {};
    return "sadrži " + std::to_string(n) + " znakova, više od " + std::to_string(f.size) + " koliko prima " + f.typeName();
}

std::string numberProblem(const FieldDef& f, sqlite3_stmt* st, int col) {
    if (sqlite3_column_type(st, col) != SQLITE_INTEGER) return "sadrži " + shown(st, col) + ", što nije cijeli broj";
    const std::int64_t v = sqlite3_column_int64(st, col);
    if (v >= f.minValue() && v <= f.maxValue()) return {};
    const std::string units = f.type == FieldType::Decimal ? " (u jedinicama zadnjeg decimalnog mjesta)" : "";
    return "sadrži " + std::to_string(v) + ", izvan " + f.typeName() + ": " + std::to_string(f.minValue()) + " do " +
           std::to_string(f.maxValue()) + units;
}

// Why the value in column `col` of the current row cannot be held by `f`; empty when it can.
std::string valueProblem(const FieldDef& f, sqlite3_stmt* st, int col) {
    return f.isText() ? textProblem(f, st, col) : numberProblem(f, st, col);
}

// Sets `f` from column `col` of the current row when the field can hold the value, reading the
// column once (the check of a row costs no more reads than the row itself); false when it cannot.
// The column's value is read through its sqlite3_value, safe as the connection has one thread. A
// text of no more bytes than the field has places has no more characters either.
bool readValue(const FieldDef& f, sqlite3_stmt* st, int col, void* rec) {
    sqlite3_value* value = sqlite3_column_value(st, col);
    const int type = sqlite3_value_type(value);
    if (!f.isText()) {
        if (type != SQLITE_INTEGER) return false;  // before any read converts it
        const std::int64_t v = sqlite3_value_int64(value);
        if (v < f.minValue() || v > f.maxValue()) return false;
        f.setInt(rec, v);
        return true;
    }
    if (type != SQLITE_TEXT) return false;
    const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(value));
    const std::string_view text(p ? p : "", static_cast<std::size_t>(sqlite3_value_bytes(value)));
    const auto places = static_cast<std::size_t>(f.size);
    if (text.size() > places && characters(text) > places) return false;
    f.setText(rec, text);
    return true;
}

// The same, and for a text also bytes that are not UTF-8 (which a record is still read with, so
// that the program can show and correct it, but which no document may carry).
std::string storedValueProblem(const FieldDef& f, sqlite3_stmt* st, int col) {
    std::string why = valueProblem(f, st, col);
    if (!why.empty() || !f.isText()) return why;
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st, col));
    if (isValidUtf8(std::string_view(p ? p : "", static_cast<std::size_t>(sqlite3_column_bytes(st, col))))) return {};
    return "sadrži " + shown(st, col) + ", što nije ispravan UTF-8 tekst";
}

// One finding of a pass over a file: kept while there is room, always counted.
void note(std::vector<std::string>& found, std::int64_t& count, std::size_t limit, std::string finding) {
    if (found.size() < limit) found.push_back(std::move(finding));
    ++count;
}

std::string where(const TableDef& t, std::int64_t id, const FieldDef& f) {
    return std::string(t.name) + " redak " + std::to_string(id) + ", " + std::string(f.name) + " ";
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
        if (!readValue(f, st, col, rec)) {
            error_ = {StoreCode::LayoutMismatch, "Neispravna vrijednost: " + where(t, row.id, f) + valueProblem(f, st, col), 0, {}};
            return StoreCode::LayoutMismatch;
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
            const std::string why = storedValueProblem(t.fields[i], use.get(), static_cast<int>(i) + 2);
            if (!why.empty())
                note(found, count, limit, "redak " + std::to_string(sqlite3_column_int64(use.get(), 0)) + ", " +
                                              std::string(t.fields[i].name) + " " + why);
        }
    }
    return rc == SQLITE_DONE ? succeed() : fail(rc);
}

// A whole number in `link` that no record of `parent` has in `number`; 0 links to nothing. The
// parent is looked up by its stored number, not by its keys (which another tool may have left
// stale); the engine indexes the look-up for the one statement (a join, which it indexes
// automatically, where a correlated NOT EXISTS would scan the parent for every child).
StoreCode Store::findDanglingLinks(const TableDef& child, const FieldDef& link, const TableDef& parent,
                                   const FieldDef& number, std::vector<std::string>& found, std::int64_t& count,
                                   std::size_t limit) {
    found.clear();
    count = 0;
    // A number links when it is a whole number other than 0, a code when it is not blank; a code
    // is compared without its trailing blanks.
    const bool text = link.isText();
    const std::string l = text ? "rtrim(c." + sql::quoted(link.name) + ")" : "c." + sql::quoted(link.name);
    const std::string p = text ? "rtrim(p." + sql::quoted(number.name) + ")" : "p." + sql::quoted(number.name);
    const std::string links = text ? "typeof(" + l + ") = 'text' AND " + l + " <> ''" : "typeof(" + l + ") = 'integer' AND " + l + " <> 0";
    const FieldDef* own = child.field("OZNAKA");  // the record's own number, when it has one
    Stmt* s = statement("SELECT c._id, " + l + ", " + (own ? "c.\"OZNAKA\"" : "NULL") + " FROM " + sql::quoted(child.name) +
                        " c LEFT JOIN " + sql::quoted(parent.name) + " p ON " + p + " = " + l + " WHERE " + links +
                        " AND p._id IS NULL ORDER BY c._id");
    if (!s) return error_.code;
    StmtUse use(s->st);
    const std::string missing = ": u " + std::string(parent.name) + " nema sloga s " + std::string(number.name) + " ";
    int rc;
    while ((rc = sqlite3_step(use.get())) == SQLITE_ROW) {
        const auto column = [&](int i) { return std::to_string(sqlite3_column_int64(use.get(), i)); };
        const auto* value = reinterpret_cast<const char*>(sqlite3_column_text(use.get(), 1));
        const std::string linked = value ? value : "";
        const std::string record = "redak " + column(0) + (own ? " (OZNAKA " + column(2) + ")" : "");
        note(found, count, limit, record + ", " + std::string(link.name) + " " + linked + missing + linked);
    }
    return rc == SQLITE_DONE ? succeed() : fail(rc);
}

}  // namespace pramo
