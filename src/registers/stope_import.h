#pragma once
// Loading the municipal income-tax rates (STOPEOPCINA) from the tax authority's table: a
// tab-separated file with the columns five-digit municipality code, name, lower rate, higher rate
// (percent), valid from one day. The table delivered with the program is the newest found.

#include <string_view>

#include "records/store/refdata.h"
#include "records/store/store.h"
#include "records/values/date.h"
#include "registers/import_outcome.h"

namespace pramo {

// The table of municipal rates delivered with the program and the day its rates are in force from.
struct ShippedRates {
    std::string_view file;
    Date from;
};
ShippedRates shippedRatesTable();
refdata::FileText shippedMunicipalRates();

// Imports `tsv` as the rates in force from `from`, in one transaction. A municipality's row of
// that day is added, or updated when the table gives other rates for it; importing the same table
// again changes nothing. Codes of no municipality in the register are passed over and named in a
// remark (load the municipalities first). Comment lines (#) and a heading line are skipped; a line
// that cannot be taken is named, and then nothing is written. OPCINE and STOPEOPCINA must be open.
ImportOutcome importStope(Store& store, std::string_view tsv, Date from);

}  // namespace pramo
