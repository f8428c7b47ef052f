#pragma once
// Reading the record another record names by its number (an item's payee, a place's
// municipality): one get on the linked file's number key. Beside it, the record with the highest
// number, from which a new record's number follows.

#include <cstdint>
#include <limits>
#include <optional>

#include "records/store/cursor.h"
#include "records/store/store.h"

namespace pramo {

// The record numbered `number` of R's file into `rec` (Ok, NotFound or the store's error).
template <class R>
StoreCode readLinked(Store& store, std::int64_t number, R& rec) {
    rec = R{};
    using N = decltype(rec.oznaka);
    if (number < std::numeric_limits<N>::min() || number > std::numeric_limits<N>::max()) return StoreCode::NotFound;
    rec.oznaka = static_cast<N>(number);
    return store.get(R::table.primaryKey(), rec);
}

// The same where a missing record is an answer rather than an error: NotFound gives an empty
// `out` and Ok; any other failure is returned with `out` empty.
template <class R>
StoreCode readLinked(Store& store, std::int64_t number, std::optional<R>& out) {
    out.reset();
    R rec;
    const StoreCode c = readLinked(store, number, rec);
    if (ok(c)) out = rec;
    return c == StoreCode::NotFound ? StoreCode::Ok : c;
}

// The record of R's file with the highest number into `rec`, or a cleared record (number 0) when
// the file is empty (Ok either way, else the store's error). A cursor of its own reads it, so the
// store's position is left as it was.
template <class R>
StoreCode readLast(Store& store, R& rec) {
    Cursor last(store, R::table.primaryKey());
    last.setReadAhead(1);
    last.set();
    const StoreCode c = last.previous(rec);
    if (c != StoreCode::NoMoreRecords) return c;
    rec = R{};
    return StoreCode::Ok;
}

}  // namespace pramo
