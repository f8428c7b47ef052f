#pragma once
// A short range read whole: the records whose key holds given values (the lines of one item), by
// one statement that ends where the range ends, so nothing beyond it is read and thrown away.
// Ranges of unknown length (the items of a payment) go through key_walk.h, a page at a time.

#include <functional>
#include <vector>

#include "records/store/store.h"

namespace pramo {

// Calls `take` with every record whose values in `key` equal those of `rec`, in the key's order
// (none when they are all blank or zero: such records are in no key). A record that cannot be
// read ends the read with the store's error. `take` must not use the store.
StoreCode readEqualRaw(Store& store, const KeyDef& key, const void* rec, const std::function<void(const void*)>& take);

// The same into `out`, which holds the range alone.
template <Record R>
StoreCode readEqual(Store& store, const KeyDef& key, const R& rec, std::vector<R>& out) {
    out.clear();
    return readEqualRaw(store, key, &rec, [&out](const void* r) { out.push_back(*static_cast<const R*>(r)); });
}

}  // namespace pramo
