#pragma once
// The reference look-up that starts every calculation of an income item: the payee, the place
// and municipality where the payee lives (whose surtax rate applies, never that of the
// municipality of work), the income type, and for a multiple-rate type the tax brackets.

#include <optional>
#include <vector>

#include "payments/engine.h"
#include "records/layouts/dohoci.h"
#include "records/layouts/mjesta.h"
#include "records/layouts/opcine.h"
#include "records/layouts/osobe.h"
#include "records/store/store.h"
#include "records/layouts/vrstedoh.h"

namespace pramo {

struct References {
    Osobe oso;
    Vrstedoh vrs;
    std::optional<Mjesta> mje;      // absent: the payee's place is not in the register
    std::optional<Opcine> opc;      // absent: the place or its municipality is not in the register
    std::vector<Bracket> brackets;  // read for a multiple-rate type only
    const TableDef* failedFile = nullptr;  // the file whose read failed (LookUp::Failed)

    bool multiRate() const { return vrs.visestopa.view() == "DA"; }
    // Surtax rate of the municipality of residence; 0 when the place or municipality is missing.
    Rate7 surtaxRate() const { return opc ? opc->stopaprireza : Rate7{}; }
};

enum class LookUp { Found, NoPayee, PayeeMissing, TypeMissing, Failed };

// Reads what the item refers to. Failed: a store error other than "not found", kept in
// store.error(), with the file in refs.failedFile.
LookUp lookUp(Store& store, const Dohoci& doh, References& refs);

// The brackets in ascending bracket number from bracket 1 on.
StoreCode readBrackets(Store& store, std::vector<Bracket>& brackets);

// The terms of the calculation that the references give.
Terms termsOf(const References& refs);

}  // namespace pramo
