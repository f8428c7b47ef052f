#pragma once
// Loading the municipality register from the official list of municipality codes: a tab-separated
// file with the columns five-digit code, name, a column not used, surtax rate in percent.

#include <string_view>

#include "records/store/refdata.h"
#include "records/store/store.h"
#include "registers/import_outcome.h"

namespace pramo {

// The list of municipalities delivered with the program, or why it cannot be read (importing an
// empty text instead would load nothing and report success).
refdata::FileText shippedMunicipalities();

// Imports `tsv` into OPCINE in one transaction. Each row becomes the municipality with the
// four-digit code (the five-digit code without its leading "0"), its name and surtax rate, and the
// tax account and IBAN derived from the code; a country abroad (99...), under whose code the JOPPD
// names the residence of a payee living there, keeps its five digits and gets no tax account. An
// existing code is updated in place (a line without the rate column keeps its rate) and a new one
// gets the next number. Comment lines (#), a heading line and the blank code "00000" are skipped.
// A file that is not UTF-8, names no municipality, or gives one code twice is refused, as is a
// name with a control character. OPCINE must be open.
ImportOutcome importOpcine(Store& store, std::string_view tsv);

}  // namespace pramo
