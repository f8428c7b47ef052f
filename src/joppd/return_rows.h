#pragma once
// Page B of the JOPPD return and the page A totals it feeds (PUNI): one row per income item of
// the payment, in key order. Every item is checked before any row counts: the first item that
// cannot be reported stops the return with a message naming its row and payee.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "payments/item_context.h"
#include "records/layouts/isplate.h"
#include "records/store/store.h"
#include "records/values/dec.h"

namespace pramo {

// Amounts of the return: up to 15 digits with 2 decimals, as its schema allows (sums of many
// items may exceed an item's own field).
using Amount = Dec<15, 2>;

// The amount elements of a page B row, in document order.
enum class Iznos {
    P11, P12, P121, P122, P123, P124, P125, P126, P127, P128, P129,
    P131, P132, P133, P134, P135, P141, P142, P152, P162, P17, Count
};

using ItemAmounts = std::array<Amount, static_cast<std::size_t>(Iznos::Count)>;

// What the return and its printed pages read of an income item.
inline constexpr Wants joppdItem{.payee = true, .place = true, .type = true, .lines = true, .method = true};

struct Kategorija;
struct Obracun;

// The amounts of an item from its calculation lines (a line of a position the return does not
// show is left out): P11 gross, P12 contribution base, P121/P122/P123 pension I, II and health,
// P131 non-taxable part and expenses, P132 pension contributions, P133/P135 income, P141/P142
// tax and surtax, P162 net. Non-taxable receipts (category "00") report no gross or income, and
// their net as P152. P12 is zero unless `baseInP12` (the return and the printed page B differ).
ItemAmounts itemAmounts(const std::vector<Obracun>& lines, const Kategorija& k, bool baseInP12, Flags& flags);

// The period of a row's calculation (P10.1 to P10.2): the whole month before the payment when
// `previousMonth` (a non-taxable receipt), the payment's calendar year otherwise. No date, no period.
std::pair<Date, Date> calculationPeriod(Date paid, bool previousMonth);

struct ReturnRow {
    int rbr = 0;                                  // P1: running number of the row
    std::string p2, p3, p4, p5, p61, p62;         // municipalities, OIB, name, category, receipt
    Date p101, p102;                              // period of the calculation
    ItemAmounts iznosi{};
    std::string p151;                             // non-taxable receipt code: "0" or two digits
    int p161 = 0;                                 // payment method

    Amount& operator[](Iznos i) { return iznosi[static_cast<std::size_t>(i)]; }
    const Amount& operator[](Iznos i) const { return iznosi[static_cast<std::size_t>(i)]; }
};

// The page A amounts the rows add up to.
struct ReturnTotals {
    Amount porez;         // tax and surtax of every category but "11" (PredujamPoreza/P5)
    Amount mirovinskoI;   // pension pillar I (GeneracijskaSolidarnost/P2)
    Amount mirovinskoII;  // pension pillar II (KapitaliziranaStednja/P2)
    Amount zdravstveno;   // health (ZdravstvenoOsiguranje/P5)
    Amount neoporezivo;   // net paid out of category "00" (IsplaceniNeoporeziviPrimici)
    Amount porezKapital;  // tax and surtax of category "11" (PredujamPoreza/P2)
};

struct PageB {
    std::vector<ReturnRow> rows;
    int brojOsoba = 0;  // distinct payees
    ReturnTotals totals;
};

// Fills `out` from the items of `isp`. Nothing when every item is in, else the message for the
// user (the item's fault, its row and payee; or the store's error).
std::optional<std::string> puni(Store& store, const Isplate& isp, PageB& out);

}  // namespace pramo
