#pragma once
// Checks the payee and payer forms make when an identifier or an account is accepted. They never
// refuse a value: a doubtful one is kept as typed and a notice says what is wrong with it.

#include <optional>
#include <string>
#include <string_view>

#include "records/layouts/banke.h"

namespace pramo {

struct Notice {
    std::string_view title;
    std::string_view text;
};

// A notice for an OIB that is not 11 digits with a correct check digit; none for a blank one.
std::optional<Notice> oibNotice(std::string_view oib);

// What accepting an account number means for the IBAN check digits.
struct AccountCheck {
    std::optional<std::string> rkont;  // the new check digits ("HR35"); none leaves them as they are
    std::optional<Notice> notice;      // the bank code is not 7 digits or the account not 10
};

// The check digits of `racun` at `bank` (null when the record names no existing bank). A blank
// account or an unknown bank leave the check digits unchanged without a word.
AccountCheck accountCheck(const Banke* bank, std::string_view racun);

}  // namespace pramo
