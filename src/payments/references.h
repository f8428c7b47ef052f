#pragma once
// The reference look-up that starts every calculation of an income item: the payee, the place
// and municipality where the payee lives (whose surtax rate applies, never that of the
// municipality of work), the income type, and for a multiple-rate type the tax brackets. For a
// type taxed at the municipality's rate (VRS:POREZOPCINE "DA") also the payment, whose date from
// 2024 on takes the lower rate of that same municipality of residence in force on it.

#include <optional>
#include <vector>

#include "payments/engine.h"
#include "payments/municipal_rates.h"
#include "records/layouts/dohoci.h"
#include "records/layouts/isplate.h"
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
    std::optional<Isplate> isp;     // the payment, read for a type taxed at the municipality's rate
    std::optional<Stopeopcina> sto; // the municipality's rates the tax is taken from (from 2024)
    const TableDef* failedFile = nullptr;  // the file whose read failed (LookUp::Failed)

    bool multiRate() const { return vrs.visestopa.view() == "DA"; }
    bool municipalType() const { return vrs.porezopcine.view() == "DA"; }
    // Surtax rate of the municipality of residence; 0 when the place or municipality is missing.
    Rate7 surtaxRate() const { return opc ? opc->stopaprireza : Rate7{}; }
};

enum class LookUp {
    Found,
    NoPayee,
    PayeeMissing,
    TypeMissing,
    // A type taxed at the municipality's rate, and no rate can be taken: the payment or its date
    // is missing, the payee has no municipality, the municipality has no rate in force at the
    // payment date, or the type taxes by brackets.
    NoPaymentDate,
    NoMunicipality,
    NoMunicipalRate,
    MunicipalMultiRate,
    Failed,
};

// Reads what the item refers to. Failed: a store error other than "not found", kept in
// store.error(), with the file in refs.failedFile.
LookUp lookUp(Store& store, const Dohoci& doh, References& refs);

// The rate the calculation of a found look-up takes.
TaxRateTaken taxRateTaken(const References& refs);

// Every file the look-up and the calculation read.
const std::vector<const TableDef*>& calculationFiles();

// The brackets in ascending bracket number from bracket 1 on.
StoreCode readBrackets(Store& store, std::vector<Bracket>& brackets);

// The terms of the calculation that the references give.
Terms termsOf(const References& refs);

}  // namespace pramo
