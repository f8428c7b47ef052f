#pragma once
// Reading a row's values into a record, the same for every engine: a value another tool put in and
// that its field cannot hold (text in a number, a number too wide for its field, a text longer than
// its width) is never clamped or cut. An engine gives each column's value by its own means, as
// cheaply as it can (BackendStatement::readRecord).

#include <cstdint>
#include <string_view>

#include "records/store/backend.h"
#include "records/store/table_def.h"
#include "records/values/unicode.h"

namespace pramo {

// One column's value of the current row, as much of it as its kind has.
struct ColumnValue {
    ValueKind kind = ValueKind::Null;
    std::int64_t integer = 0;
    std::string_view text;
};

// Sets `f` from `v` when the field can hold it; false when it cannot. A text of no more bytes than
// the field has places has no more characters either, so only a longer one is counted.
inline bool holdValue(const FieldDef& f, const ColumnValue& v, void* rec) {
    if (!f.isText()) {
        if (v.kind != ValueKind::Integer || v.integer < f.minValue() || v.integer > f.maxValue()) return false;
        f.setInt(rec, v.integer);
        return true;
    }
    if (v.kind != ValueKind::Text) return false;
    const auto places = static_cast<std::size_t>(f.size);
    if (v.text.size() > places) {
        std::size_t n = 0;
        forEachCodePoint(utf8::trimRight(v.text), [&](char32_t) { ++n; });
        if (n > places) return false;
    }
    f.setText(rec, v.text);
    return true;
}

// Reads _id, _ver and every field of `t` from columns 0, 1, 2 ... through `valueAt(col)` (an
// integer for the first two); answers as BackendStatement::readRecord does.
template <class IntegerAt, class ValueAt>
int readRecordWith(const TableDef& t, void* rec, IntegerAt integerAt, ValueAt valueAt) {
    RowRef& row = t.row(rec);
    row.id = integerAt(0);
    row.version = integerAt(1);
    int col = 2;
    for (const FieldDef& f : t.fields) {
        if (!holdValue(f, valueAt(col), rec)) return col - 2;
        ++col;
    }
    return -1;
}

}  // namespace pramo
