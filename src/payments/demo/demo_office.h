#pragma once
// An example office for a new user to see the program at work: the delivered municipality
// register with the municipalities' income-tax rates, a dozen places and streets, three banks, two
// payers (a publishing company and a joiner's workshop), 25 payees, today's income types of
// contracts for work, author's fees and non-taxable receipts with their JOPPD codes and two of the
// rules of 2015 and 2016, a few payments per payer in the weeks before today and one of 2016, whose
// items are calculated by the engine and carry a payment method. No amount is typed in: each item's net is
// the agreed payout and every line follows from the calculation.

#include <string>

#include "records/store/store.h"
#include "records/values/date.h"

namespace pramo {

struct DemoOutcome {
    bool made = false;
    bool occupied = false;  // refused because the directory already holds data
    std::string message;    // why nothing was made
    int payees = 0;
    int payments = 0;
    int items = 0;
};

// Fills the office into a data directory whose files are open, in one transaction: all of it or
// nothing. Refused when the directory already holds payers, payees, income types, places,
// streets, banks or payments. The payments lie in the weeks before `clock`'s today.
DemoOutcome makeDemoOffice(Store& store, const Clock& clock);

namespace demo {

// The registers (places, streets, banks, payers, payees, income types) after the municipalities
// were loaded; the first failure is returned. Part of makeDemoOffice's transaction.
StoreCode addRegisters(Store& store, int& payees);

// The payments with their calculated items. Part of makeDemoOffice's transaction.
StoreCode addPayments(Store& store, const Clock& clock, int& payments, int& items, std::string& problem);

}  // namespace demo
}  // namespace pramo
