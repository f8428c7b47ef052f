#pragma once
// AŽURIRANJE PODATAKA: fills the other-income line (kind 3) of a crisis-tax return from the
// stored calculation lines of the payer's payments dated in the return's year and month. Only
// items whose crisis-tax line is above zero count: the line gets the number of distinct payees
// of such items, the sum of their net payouts (the tax base) and the sum of their crisis tax.
// The earlier kind-3 line is rewritten (added when there is none), also when every value is zero.
// Reading and writing are one transaction, so the line matches the payments of one moment.

#include <cstdint>
#include <optional>
#include <vector>

#include "records/layouts/detkriz.h"
#include "records/store/store.h"
#include "records/store/warnings.h"

namespace pramo {

struct FillOutcome {
    Detkriz line;                        // the line as written
    std::optional<MessageBox> message;   // set when nothing was written: what to tell the user

    bool written() const { return !message.has_value(); }
};

// The files the fill reads and writes; a caller keeps them open around it.
const std::vector<const TableDef*>& azuriranjeFiles();

// Fills the kind-3 line of return `kriznica`. A return that does not exist, a total that does not
// fit its field and a store failure write nothing and say why.
FillOutcome azuriranjePodataka(Store& store, std::int32_t kriznica);

}  // namespace pramo
