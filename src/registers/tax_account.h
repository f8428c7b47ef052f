#pragma once
// A municipality's tax-revenue account at the state treasury, derived from its official code, and
// the checks the municipality forms make of that code before deriving it.

#include <string_view>

#include "records/layouts/opcine.h"

namespace pramo {

// The state treasury's bank code: the bank part of every municipal tax account's IBAN.
inline constexpr std::string_view treasuryBankCode = "1001005";

// KONTROLA: OPC:RACUNPOREZ is "17", the first three characters of the code, "1200" and the
// MOD 11,10 check digit; OPC:RKONT is "HR" and the IBAN check digits of the treasury's bank code
// with that account. Code 133 gives 1713312009 and HR11. The code must hold at least three digits.
void kontrola(Opcine& opc);

// What is wrong with a typed code, in the order the forms test it.
enum class CodeCheck { Accepted, Blank, NotNumeric, TooShort };

// The municipality form's test: digits only, at least three of them.
CodeCheck checkCode(std::string_view shifra);
// The test of the form opened from the municipality selection: digits only, worth more than 99
// (so "012" is refused and "0133" accepted).
CodeCheck checkCodeFromSelection(std::string_view shifra);

// The message the forms show for a refused code; empty for an accepted one.
std::string_view codeMessage(CodeCheck check);

}  // namespace pramo
