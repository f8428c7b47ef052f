#pragma once
// The currency of stored amounts, by their date: amounts dated before 1 January 2023 are kuna
// (smallest unit lipa), from then on euro (cent); the stored numbers are whole smallest units
// either way. Every document that names a currency names the one of its date.

#include <string_view>

#include "records/values/date.h"

namespace pramo {

struct Currency {
    std::string_view code;       // ISO 4217: "HRK", "EUR"
    std::string_view symbol;     // "kn", "EUR"
    std::string_view inUnits;    // "kunama i lipama", "eurima i centima"
    std::string_view withUnits;  // "kunama s lipama", "eurima s centima"
};

// The first day of the euro.
Date euroFrom();

// The currency of amounts dated `day`; an amount without a date is in today's currency, the euro.
const Currency& currencyOn(Date day);
// The currency of a month's amounts (a year's: month 1 of a year before or from the euro's).
const Currency& currencyOfMonth(int year, int month);

}  // namespace pramo
