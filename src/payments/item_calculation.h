#pragma once
// Calculating a stored income item the way its form asks for it: look up what the item refers
// to, run the calculation its income type calls for, and write the lines in one transaction.
// Nothing is written when the item cannot be calculated, and the caller's working values and
// item buffer are then left as they were.

#include <functional>
#include <string>

#include "payments/engine.h"
#include "payments/references.h"
#include "records/values/date.h"
#include "records/layouts/dohoci.h"
#include "records/store/store.h"

namespace pramo {

enum class CalcStatus {
    Done,          // the lines are written
    NoPayee,       // the item has no payee yet
    PayeeMissing,  // the item's payee is not in the register
    TypeMissing,   // the item's income type is not in the register
    BadRates,      // the rates cannot give a calculation (see ratesProblem)
    NoTaxRate,     // the tax is the municipality's rate, and none can be taken (never a guessed one)
    Overflow,      // a result does not fit its field
    StoreFailed,   // the store refused a read or a write; see `error`
};

struct CalcOutcome {
    CalcStatus status = CalcStatus::Done;
    bool surtaxAssumedZero = false;  // the payee's place or its municipality is missing: surtax rate 0
    bool divisorZero = false;        // the type's rates made a divisor zero; those steps gave 0
    Lines lines;                     // positions 1 to 12 as written
    CrisisLines crisis;              // positions 13 and 14 as written (crisis tax)
    StoreError error;                // StoreFailed: what the store said
    std::string message;             // for the user: why nothing was written, or what was assumed

    bool written() const { return status == CalcStatus::Done; }
};

class ItemCalculation {
public:
    ItemCalculation(Store& store, const Clock& clock) : store_(store), clock_(clock) {}

    // The calculate button and the net entry: positions 1 to 12 from doh.neto, by brackets for
    // a multiple-rate type, otherwise at the single rate. Lines of other positions stay.
    CalcOutcome calculate(const Dohoci& doh, Loc& loc);
    // The button beside the gross: from the gross in loc.bruto, putting the net it yields into
    // doh.neto (the caller stores the item). A multiple-rate type calculates from doh.neto instead.
    CalcOutcome calculateFromGross(Dohoci& doh, Loc& loc);
    // The crisis tax: positions 13 and 14 from loc.neto and loc.kstopa of the last calculation.
    CalcOutcome kriznica(const Dohoci& doh, Loc& loc);

    // What the last calculation looked up (the form shows the municipality and the surtax rate).
    const References& references() const { return refs_; }

    // The rates a calculation of the item would take now, as the form shows them.
    struct RatesShown {
        std::string porez;   // the tax rate and where it comes from, or why none can be taken
        std::string prirez;  // the surtax rate when it is not the municipality's register's ("0,00" from 2024)
    };
    RatesShown ratesShown(const Dohoci& doh);

private:
    bool lookUp(const Dohoci& doh, CalcOutcome& out);
    bool found(LookUp result, const Dohoci& doh, CalcOutcome& out);
    int year() const { return clock_.today().year(); }
    // Stores what a routine computed unless a result overflowed; then its working values become
    // the caller's.
    void finish(const Flags& flags, const std::function<StoreCode()>& write, Loc& work, Loc& loc, CalcOutcome& out);
    void fail(CalcOutcome& out, CalcStatus status, std::string message);
    void storeFailed(CalcOutcome& out, const TableDef& file);

    Store& store_;
    const Clock& clock_;
    References refs_;
};

}  // namespace pramo
