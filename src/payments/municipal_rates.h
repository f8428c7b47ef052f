#pragma once
// The income tax of other income from 2024: the surtax is gone, and the tax withheld is the lower
// rate the payee's municipality decided (STOPEOPCINA), for an income type that says so
// (VRS:POREZOPCINE "DA"). Which rate a calculation takes is decided here, once, for the engine,
// the item form and every document that names the rate.

#include <optional>
#include <string>
#include <string_view>

#include "records/layouts/stopeopcina.h"
#include "records/store/store.h"
#include "records/values/date.h"

namespace pramo {

// The rates of the municipality with the official code `code` in force on `day`: the row with the
// latest VRIJEDIOD not after it; empty when there is none.
StoreCode rateInForce(Store& store, std::string_view code, Date day, std::optional<Stopeopcina>& out);

// Where an item's tax rate comes from.
enum class TaxBasis {
    IncomeType,    // the type's own rate, with the surtax of the payee's municipality
    Municipality,  // the municipality's lower rate in force at the payment date, no surtax
};

// The rate a calculation takes, as the form and the documents name it.
struct TaxRateTaken {
    TaxBasis basis = TaxBasis::IncomeType;
    Rate rate;              // percent
    Rate7 surtax;           // percent of the tax; 0 for the municipality's rate
    Date from;              // the municipality's rate: the day it is in force from
    std::string opcina;     // the municipality's name

    // "23,00 % (stopa općine Zagreb od 01.03.2025.)"; for the type's rate "25,00 %".
    std::string screenText() const;
    // "23% (stopa općine Zagreb od 01.03.2025.)", as the printed pages write a rate.
    std::string pageText() const;
};

}  // namespace pramo
