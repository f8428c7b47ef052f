#pragma once
// The upgrades of the records themselves that every program runs after opening the books (the
// layouts are brought up to date before them): positions a later version added, stored years
// that must follow their dates. Each is quick when there is nothing to do.

#include <span>

#include "records/store/store.h"

namespace pramo {

using RecordUpgrade = StoreCode (*)(Store&);

std::span<const RecordUpgrade> recordUpgrades();

}  // namespace pramo
