#pragma once
// Registers an income item's calculation reads, for tests of the calculation and its command:
//   municipality 1 (surtax 18.00) with place 1; payee 1 living there, in pension pillar II;
//   income type 1, single rate 0:30:15:5:15:25; income type 2, several rates 0:0:15:5:15:25 with
//   allowance 2200.00 (payee factor 1.00); brackets 12 % to 2200.00, 25 % to 8800.00, 40 % above.

#include <cstdint>

#include "records/layouts/dohoci.h"
#include "records/store/files.h"
#include "records/store/store.h"

namespace pramo::test {

// Opens (creating) every file the calculation uses and fills the registers above.
void fillCalcRegisters(Files& files);

// Adds income item `oznaka` of payee `payee` and type `type` with the net amount `neto`.
Dohoci addItem(Store& store, std::int32_t oznaka, std::int32_t payee, std::uint8_t type, const char* neto);

}  // namespace pramo::test
