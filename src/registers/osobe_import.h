#pragma once
// Moving payees into the register from a spreadsheet: a CSV file (comma, semicolon or tab
// separated, UTF-8) whose heading line names the payee fields.

#include <string_view>

#include "records/store/store.h"
#include "registers/import_outcome.h"

namespace pramo {

// Imports the payees of `csv` in one transaction, numbered after the last payee as the payee form
// numbers them. Columns (any order, names without regard to case):
//   IME, PREZIME, JMBG, OIB, KUCNIBROJ, MODEL, RACUNPOZIV, KUCNITELEFON, TELEFONNAPOSLU, EMAIL,
//   STATUS  as typed (OIB, when given, must be a valid OIB not used by another payee);
//   MJESTO, ULICA  the names of the place and street, found or created;
//   POSTBROJ, OPCINA  postal code and four-digit municipality code of a place created here;
//   BANKA  the bank code ("vodeći broj") of a registered bank;
//   RACUN  the 10-digit account, or the whole IBAN (HR, check digits, bank code, account);
//   DRUGISTUP, FAX  "DA" or "NE" (blank: "DA" and "NE", as for a new payee); FAKTORODBITKA.
// The IBAN check digits are computed from the bank code and the account. A cell may hold a line
// break inside quotes (read as a blank); a cell with a control character, and a file that is not
// UTF-8, are refused. OSOBE, MJESTA, ULICE, BANKE and OPCINE must be open.
ImportOutcome importOsobe(Store& store, std::string_view csv);

}  // namespace pramo
