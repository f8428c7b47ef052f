#pragma once
// A municipality's tax-revenue account at the state treasury, derived from its official code, and
// the checks the municipality forms make of that code before deriving it.

#include <string>
#include <string_view>

#include "records/layouts/opcine.h"

namespace pramo {

// The state treasury's bank code: the bank part of every municipal tax account's IBAN.
inline constexpr std::string_view treasuryBankCode = "1001005";

// The code of a country abroad, under which the JOPPD names the residence of a payee living
// there: five digits beginning with 99 (99404 Austria). Such a "municipality" has no tax account.
bool abroadCode(std::string_view shifra);

// The code as the register keeps it: four digits for a municipality (the five-digit form the JOPPD
// writes, 01333, loses its leading 0), five for a country abroad; anything else as typed.
std::string registerCode(std::string_view typed);

// The five-digit form the JOPPD writes a register code in (fields P2 and P3): "0" and the four
// digits of a municipality, the five of a country abroad as they are.
std::string joppdCode(std::string_view shifra);

// KONTROLA: OPC:RACUNPOREZ is "17", the first three characters of the code, "1200" and the
// MOD 11,10 check digit; OPC:RKONT is "HR" and the IBAN check digits of the treasury's bank code
// with that account. Code 133 gives 1713312009 and HR11. The code must hold at least three digits.
// A country abroad gets neither (both blank).
void kontrola(Opcine& opc);

// What is wrong with a typed code, in the order the forms test it.
enum class CodeCheck { Accepted, Blank, NotNumeric, TooShort, FiveDigits };

// The municipality form's test: digits only, at least three of them; five only for a country
// abroad (a municipality's five-digit form is taken as its register code first).
CodeCheck checkCode(std::string_view shifra);
// The test of the form opened from the municipality selection: digits only, worth more than 99
// (so "012" is refused and "0133" accepted); five only for a country abroad.
CodeCheck checkCodeFromSelection(std::string_view shifra);

// The message the forms show for a refused code; empty for an accepted one.
std::string_view codeMessage(CodeCheck check);

}  // namespace pramo
