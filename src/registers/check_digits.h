#pragma once
// Check digits of the identifiers the registers hold: ISO 7064 MOD 11,10 (OIB, municipal tax
// accounts) and ISO 13616 (the two check digits of a Croatian IBAN).

#include <cstddef>
#include <string>
#include <string_view>

namespace pramo {

// True when `text` is exactly `count` decimal digits (any count when `count` is 0 and text is not empty).
bool allDigits(std::string_view text, std::size_t count = 0);

// The ISO 7064 MOD 11,10 check digit (0 to 9) to append to `digits` (decimal digits only).
int mod11_10(std::string_view digits);

// True when `oib` is 11 digits whose last is the MOD 11,10 check digit of the first ten.
bool validOib(std::string_view oib);

// "HR" and the two ISO 13616 check digits of a Croatian IBAN whose bank code and account number
// are `bankCode` and `account` (decimal digits only): 98 minus the remainder by 97 of the number
// bank code, account, "172700" ("HR" as 17 27, then 00), with a leading "0" below 10.
std::string hrIbanCheck(std::string_view bankCode, std::string_view account);

}  // namespace pramo
