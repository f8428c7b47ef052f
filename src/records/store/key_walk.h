#pragma once
// The one walk over a key: a cursor of its own, so the file's shared order is left where it was.
// Items of a payment, lines of an item, payments of a payer, a whole register: every walk the
// program makes goes through it. A walk calls `f` for every record in the key's order and stops at
// the first code `f` answers that is not Ok, answering it (Ok at the end, or the store's error);
// `f` may answer nothing.

#include <cstdint>
#include <type_traits>

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
        if constexpr (std::is_void_v<std::invoke_result_t<F&, const R&>>) f(rec);
        else if (const StoreCode b = f(rec); !ok(b)) return b;
    }
}

}  // namespace detail

// The range of the records whose first key component, a number, is that of `from`: the items of
// one payment, the lines of one item.
template <Record R, class F>
StoreCode walkNumber(Store& store, const KeyDef& key, const R& from, F f) {
    const FieldDef& field = R::table.fields[static_cast<std::size_t>(key.fieldIndex.front())];
    const std::int64_t number = field.getInt(&from);
    Cursor cursor(store, key);
    cursor.setFrom(from);
    return detail::walkOn(cursor, from, [&field, number](const R& r) { return field.getInt(&r) == number; }, f);
}

// Every record of the key, in its order.
template <Record R, class F>
StoreCode walkAll(Store& store, const KeyDef& key, F f) {
    Cursor cursor(store, key);
    cursor.set();
    return detail::walkOn(cursor, R{}, [](const R&) { return true; }, f);
}

}  // namespace pramo
