#pragma once
// What the income item form does with its item apart from showing it: a new item's ordinal,
// default income type and twelve zero lines; the calculations its buttons and the net entry ask
// for; the payment method (UBACI); the totals shown; and what cancelling leaves behind — a new
// item goes with its lines and slots, a changed item gets back the lines it had when the form
// opened. Every write is one transaction.

#include <cstdint>
#include <string>
#include <vector>

#include "payments/item_calculation.h"
#include "payments/lines.h"
#include "records/layouts/dohoci.h"
#include "records/layouts/obracun.h"
#include "records/store/store.h"

namespace pramo {

// What the form shows about the item's payee; blank when the item has none (or it is missing).
struct ItemPayee {
    std::string name;          // first name, one space, surname
    std::string opcina;        // code of the municipality of residence
    std::string opcinaRada;    // code of the municipality of work (the payee's EMAIL, first four characters)
    std::string stopaPrireza;  // surtax rate of the municipality of residence, "18,00"
    std::string drugiStup;     // "DA" / "NE"
};
ItemPayee readItemPayee(Store& store, std::int32_t payee);

// The totals shown under the lines: the gross (position 1) and tax plus surtax (positions 8, 9).
struct ItemTotals {
    Money bruto;
    Money pip;
};

class ItemEntry {
public:
    ItemEntry(Store& store, const Clock& clock, Dohoci& doh) : store_(store), calc_(store, clock), doh_(doh) {}

    // A new item of payment doh.isplata before its number is reserved: the next ordinal within
    // the payment and a net of 0.
    StoreCode primeNew();
    // The reserved new item: the income type `defaultType`, or the next lower one when no type has
    // that number (it stays when there is none lower), and its twelve lines of 0.
    StoreCode startNew(std::uint8_t defaultType);
    // An item opened for change: its lines are remembered for a cancel.
    StoreCode startChange();

    // The net entry and IZRAČUN: from doh.neto, by brackets or at the single rate.
    CalcOutcome calculate() { return calc_.calculate(doh_, loc_); }
    // The button beside the gross: from `bruto` (a multiple-rate type from doh.neto instead).
    CalcOutcome calculateFromGross(Money bruto);
    CalcOutcome kriznica() { return calc_.kriznica(doh_, loc_); }
    // The rates a calculation would take now and where the tax rate comes from, or why none can be taken.
    ItemCalculation::RatesShown ratesShown() { return calc_.ratesShown(doh_); }
    // UBACI: the payment method into slot 1 (NotChosen for 0).
    MethodWrite ubaci(std::int16_t method) { return writePaymentMethod(store_, doh_.oznaka, method); }

    StoreCode totals(ItemTotals& out);
    // Whether any line of the item holds an amount (a calculation made, or lines typed by hand).
    StoreCode hasAmounts(bool& any);
    // Cancelling a change: the lines as they were when the form opened (nothing written when they
    // still are).
    StoreCode restoreLines();

    const Loc& loc() const { return loc_; }
    Dohoci& item() { return doh_; }

private:
    Store& store_;
    ItemCalculation calc_;
    Dohoci& doh_;
    Loc loc_;
    std::vector<Obracun> openedWith_;
};

}  // namespace pramo
