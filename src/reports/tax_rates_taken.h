#pragma once
// The tax rates documents name: an item taxed at its municipality's lower rate (from 2024) has its
// rate and the day it is in force from named; items taxed at their income type's rate print as
// they always have, so the documents of earlier payments do not change.

#include <QString>
#include <optional>
#include <vector>

#include "payments/municipal_rates.h"
#include "records/layouts/dohoci.h"
#include "records/store/table_def.h"
#include "reports/report_reads.h"

namespace pramo {

// The municipality's rate the item's calculation takes (at the payment's date); empty for an item
// taxed at its income type's rate, or whose rate cannot be taken (its calculation is refused).
StoreCode municipalRateOf(ReportReads& reads, const Dohoci& doh, std::optional<TaxRateTaken>& out);

// A report's files with those municipalRateOf reads added.
std::vector<const TableDef*> withRateFiles(std::vector<const TableDef*> files);

// The different rates of several items, in the order met: "23%" or "23%, 15%".
class RatesTaken {
public:
    void add(const std::optional<TaxRateTaken>& rate);
    bool empty() const { return rates_.empty(); }
    QString text() const;

private:
    std::vector<Rate> rates_;
};

}  // namespace pramo
