#pragma once
// Walking the income items of one payment by the payment key.

#include <cstdint>
#include <functional>

#include "records/layouts/dohoci.h"
#include "records/store/store.h"

namespace pramo {

// Calls `f` for every income item of payment `isplata` in key order until it answers other than Ok.
StoreCode forEachItem(Store& store, std::int32_t isplata, const std::function<StoreCode(const Dohoci&)>& f);

}  // namespace pramo
