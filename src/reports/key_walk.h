#pragma once
// Walking the records of one key value range with a cursor of its own: from the first record at
// or after `from`, while `within` holds. The file's shared order is left where it was.

#include <functional>

#include "records/store/cursor.h"

namespace pramo {

// Calls `f` for every record in the range; stops at the first code `f` answers that is not Ok.
template <class R>
StoreCode walkKey(Store& store, const KeyDef& key, R from, const std::function<bool(const R&)>& within,
                  const std::function<StoreCode(const R&)>& f) {
    Cursor cursor(store, key);
    cursor.setFrom(from);
    for (;;) {
        const StoreCode c = cursor.next(from);
        if (c == StoreCode::NoMoreRecords) return StoreCode::Ok;
        if (!ok(c)) return c;
        if (!within(from)) return StoreCode::Ok;
        if (const StoreCode b = f(from); !ok(b)) return b;
    }
}

}  // namespace pramo
