#pragma once
// A payee's sums on an ID-1: the return (XML) and the printed form add the same calculation
// lines but differ in what they take. The return counts every item of the year and carries the
// crisis tax in its own account; the printed form counts only items whose income type pays into
// one of the fourteen tax accounts and knows no crisis tax.

#include <array>
#include <vector>

#include "reports/id1/id1_data.h"

namespace pramo {

struct Id1Sums {
    Total bruto;      // gross receipts (position 1)
    Total izdaci;     // non-taxable part and recognised expenses (2 and 3)
    Total doprinosi;  // pension contributions (5 and 6)
    Total porez;      // income tax and surtax (8 and 9)
    Total kriznica;   // crisis tax (13); the return only
    Total neto;       // paid out (10), less the crisis tax on the return
    std::array<Total, id1Accounts.size()> iznos{};  // by revenue account

    bool taxed() const { return porez.raw() > 0; }
    // Whether a sum went past the widest amount (the document is then refused).
    bool overflowed() const;
};

// The return's sums of one payee. Items whose income type has no tax account are still counted
// (their tax only in `porez`); those that withheld tax or surtax are listed in `untaxed` for the
// message about them (an item of a non-taxable receipt has no tax to put on an account).
Id1Sums returnSums(const Id1Payee& payee, std::vector<const Id1Item*>& untaxed);

// The printed form's sums of one payee.
Id1Sums printSums(const Id1Payee& payee);

// Adds a payee's return sums into the whole file's totals; the file's tax includes the crisis tax.
void addToFileTotals(Id1Sums& file, const Id1Sums& payee);

}  // namespace pramo
