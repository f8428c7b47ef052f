#pragma once
// JOPPDISPIS: page A of the JOPPD return of a payment, printed: the submitter, the counts of
// persons and rows, and one row per delivered page A line (JOPOZIJE, in key order) with the
// amount the payment's calculation lines add up to in it. Read only; no submission is needed.

#include <cstdint>
#include <map>
#include <set>

#include "documents/report_declaration.h"
#include "payments/item_context.h"

namespace pramo {

// The page's table of sums, by row: entry (group - 1) * 100 + ordinal.
using PageAAmounts = std::map<int, Total>;

// The entry of the JOPOZIJE row (grupa, rednibroj).
constexpr int pageAEntry(int grupa, int rednibroj) { return (grupa - 1) * 100 + rednibroj; }

// What page A counts over the items of a payment.
struct PageA {
    PageAAmounts amounts;
    std::set<std::int32_t> payees;  // payees that exist, each counted once (IV.1.)
    int rows = 0;                   // every income item, whatever its data (IV.2.)
    bool overflowed() const;
};

// Adds one income item to the page.
void addToPageA(const ItemContext& f, PageA& a);

ReportResult joppdIspis(ReportContext& rc, Progress& progress);
extern const ReportSpec joppdIspisReport;

}  // namespace pramo
