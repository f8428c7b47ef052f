#pragma once
// The one walk over a range of a key: a cursor of its own from the first record at or after
// `from`, while `within` holds, so the file's shared order is left where it was. Items of a
// payment, lines of an item, payments of a payer: every range the program reads goes through it.

#include <cstdint>

#include "records/store/cursor.h"

namespace pramo {

namespace detail {

template <Record R, class Within, class F>
StoreCode walkOn(Cursor& cursor, R rec, Within within, F f) {
    for (;;) {
        const StoreCode c = cursor.next(rec);
        if (c == StoreCode::NoMoreRecords) return StoreCode::Ok;
        if (!ok(c)) return c;
        if (!within(rec)) return StoreCode::Ok;
        if (const StoreCode b = f(rec); !ok(b)) return b;
    }
}

}  // namespace detail

// Calls `f` for every record of the range; stops at the first code `f` answers that is not Ok and
// answers it (Ok at the end of the range, or the store's error).
template <Record R, class Within, class F>
StoreCode walkKey(Store& store, const KeyDef& key, const R& from, Within within, F f) {
    Cursor cursor(store, key);
    cursor.setFrom(from);
    return detail::walkOn(cursor, from, within, f);
}

// The range of the records whose first key component, a number, is that of `from`: the items of
// one payment, the lines of one item.
template <Record R, class F>
StoreCode walkNumber(Store& store, const KeyDef& key, const R& from, F f) {
    const FieldDef& field = R::table.fields[static_cast<std::size_t>(key.fieldIndex.front())];
    const std::int64_t number = field.getInt(&from);
    return walkKey(store, key, from, [&field, number](const R& r) { return field.getInt(&r) == number; }, f);
}

// Every record of the key, in its order.
template <Record R, class F>
StoreCode walkAll(Store& store, const KeyDef& key, F f) {
    Cursor cursor(store, key);
    cursor.set();
    return detail::walkOn(cursor, R{}, [](const R&) { return true; }, f);
}

}  // namespace pramo
