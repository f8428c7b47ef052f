#pragma once
// Loading income types from a tab-separated file whose heading line names the fields of an income
// type by their record names (OZNAKA, NAZIV, NEOPOREZIVIDIO, POREZNASTOPA, RNPOREZ, TIPPOREZ, ...,
// REZSTRINGA, REZSTRINGB, REZDECIMALA): the starter set delivered with the program (the usual
// contracts for work, author's fees and non-taxable receipts with their rates, accounts and JOPPD
// codes) or a file of the user's own. What the types hold is the file's: the program adds nothing.

#include <string_view>

#include "records/store/refdata.h"
#include "records/store/store.h"
#include "registers/import_outcome.h"

namespace pramo {

// The starter set delivered with the program, or why it cannot be read.
refdata::FileText shippedIncomeTypes();

// Imports `tsv` into VRSTEDOH in one transaction. Comment lines (#) and blank lines are skipped;
// the first other line is the heading. Each line after it is one type; a field the heading does
// not name stays blank (0), a line shorter than the heading leaves its last fields blank. A type
// whose name is registered already is left as it is (importing again adds nothing twice); a new
// one takes the number the file gives it when that is free, else the next after the highest.
// Refused with nothing written, naming the line: a file that is not UTF-8, a heading naming
// something that is no field of an income type (or a field twice) or lacking OZNAKA or NAZIV, a
// value that does not fit its field, a blank name, a number or name given twice, JOPPD codes
// that do not go together or that the code books (VBRAT, NEOPOREZ) do not have, no free number.
// VRSTEDOH, VBRAT and NEOPOREZ must be open.
ImportOutcome importVrste(Store& store, std::string_view tsv);

}  // namespace pramo
