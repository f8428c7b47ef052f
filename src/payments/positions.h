#pragma once
// The calculation positions register (POZICIJE): names of the positions, and the start-up
// upgrade that adds the crisis-tax positions 13 and 14 once.

#include "records/store/store.h"

namespace pramo {

// When the highest position is exactly 12, adds 13 "Kriznica" and 14 "Poslije Kriznice", each
// taking its other fields from the record read last. Any other highest number adds nothing.
StoreCode upgradePositions(Store& store);

}  // namespace pramo
