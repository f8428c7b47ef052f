// Reading a row into a record: every value is checked against its field first. A value that
// another tool put in and that the field cannot hold (text in a number, a number too wide for its
// field, a text longer than its width) is never clamped or cut: the read fails, naming the file,
// the row, the field and the value.

#include <algorithm>

#include "records/store/dialect.h"
#include "records/store/stmt_use.h"
#include "records/store/store.h"
#include "records/store/store_sql.h"
#include "records/values/unicode.h"

namespace pramo {
namespace {

constexpr std::size_t shownBytes = 40;

// The value for a message: its first characters, control characters shown as "�" so that what
// another tool stored never drives the terminal the message is printed on.
std::string shown(const BackendStatement& st, int col) {
    const ValueKind kind = st.kind(col);
    const std::string_view text = kind == ValueKind::Blob ? st.blob(col) : kind == ValueKind::Null ? std::string_view() : st.text(col);
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

std::string textProblem(const FieldDef& f, const BackendStatement& st, int col) {
    if (st.kind(col) != ValueKind::Text) return "sadrži " + shown(st, col) + ", što nije tekst";
    const std::size_t n = characters(st.text(col));
    if (n <= static_cast<std::size_t>(f.size)) return {};
    return "sadrži " + std::to_string(n) + " znakova, više od " + std::to_string(f.size) + " koliko prima " + f.typeName();
}

std::string numberProblem(const FieldDef& f, const BackendStatement& st, int col) {
    if (st.kind(col) != ValueKind::Integer) return "sadrži " + shown(st, col) + ", što nije cijeli broj";
    const std::int64_t v = st.integer(col);
    if (v >= f.minValue() && v <= f.maxValue()) return {};
    const std::string units = f.type == FieldType::Decimal ? " (u jedinicama zadnjeg decimalnog mjesta)" : "";
    return "sadrži " + std::to_string(v) + ", izvan " + f.typeName() + ": " + std::to_string(f.minValue()) + " do " +
           std::to_string(f.maxValue()) + units;
}

// Why the value in column `col` of the current row cannot be held by `f`; empty when it can.
std::string valueProblem(const FieldDef& f, const BackendStatement& st, int col) {
    return f.isText() ? textProblem(f, st, col) : numberProblem(f, st, col);
}

// The same, and for a text also bytes that are not UTF-8 (which a record is still read with, so
// that the program can show and correct it, but which no document may carry).
std::string storedValueProblem(const FieldDef& f, const BackendStatement& st, int col) {
    std::string why = valueProblem(f, st, col);
    if (!why.empty() || !f.isText()) return why;
    if (isValidUtf8(st.text(col))) return {};
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

StoreCode Store::readRow(const TableDef& t, const BackendStatement& st, void* rec) {
    bool derived = false;
    return readRow(t, st, rec, derived);
}

StoreCode Store::readRow(const TableDef& t, const BackendStatement& st, void* rec, bool& derivedChanged) {
    derivedChanged = false;
    if (const int bad = st.readRecord(t, rec); bad >= 0) {
        const FieldDef& f = t.fields[static_cast<std::size_t>(bad)];
        error_ = {StoreCode::LayoutMismatch, "Neispravna vrijednost: " + where(t, t.row(rec).id, f) + valueProblem(f, st, bad + 2), 0, {}};
        return StoreCode::LayoutMismatch;
    }
    if (t.derive) derivedChanged = t.derive(rec);
    return StoreCode::Ok;
}

StoreCode Store::findBadValues(const TableDef& t, std::vector<std::string>& found, std::int64_t& count, std::size_t limit) {
    found.clear();
    count = 0;
    BackendStatement* s = statement("SELECT " + sql::selectColumns(t) + " FROM " + sql::quoted(t.name) + " ORDER BY _id");
    if (!s) return error_.code;
    StmtUse use(s);
    BackendStatement::Step step;
    while ((step = use->step()) == BackendStatement::Step::Row) {
        for (std::size_t i = 0; i < t.fields.size(); ++i) {
            const std::string why = storedValueProblem(t.fields[i], use.get(), static_cast<int>(i) + 2);
            if (!why.empty())
                note(found, count, limit, "redak " + std::to_string(use->integer(0)) + ", " + std::string(t.fields[i].name) + " " + why);
        }
    }
    return step == BackendStatement::Step::Done ? succeed() : fail();
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
    const Dialect& d = dialect();
    const std::string links = text ? d.isText(l) + " AND " + l + " <> ''" : d.isInteger(l) + " AND " + l + " <> 0";
    const FieldDef* own = child.field("OZNAKA");  // the record's own number, when it has one
    BackendStatement* s = statement("SELECT c._id, " + l + ", " + (own ? "c.\"OZNAKA\"" : "NULL") + " FROM " + sql::quoted(child.name) +
                        " c LEFT JOIN " + sql::quoted(parent.name) + " p ON " + p + " = " + l + " WHERE " + links +
                        " AND p._id IS NULL ORDER BY c._id");
    if (!s) return error_.code;
    StmtUse use(s);
    const std::string missing = ": u " + std::string(parent.name) + " nema sloga s " + std::string(number.name) + " ";
    BackendStatement::Step step;
    while ((step = use->step()) == BackendStatement::Step::Row) {
        const auto column = [&](int i) { return std::to_string(use->integer(i)); };
        const std::string linked = text ? std::string(use->text(1)) : column(1);
        const std::string record = "redak " + column(0) + (own ? " (OZNAKA " + column(2) + ")" : "");
        note(found, count, limit, record + ", " + std::string(link.name) + " " + linked + missing + linked);
    }
    return step == BackendStatement::Step::Done ? succeed() : fail();
}

}  // namespace pramo
