#pragma once
// STOPEOPCINA — the income-tax rates a municipality decided, each in force from its date until the
// municipality's next row: from 2024 the tax withheld on other income is the lower rate of the
// payee's municipality.

#include <cstdint>

#include "records/store/table_def.h"

namespace pramo {

struct Stopeopcina {
    std::int32_t oznaka = 0;                     // record number
    Text<4>      opcina;                         // the municipality's official code (OPC:SHIFRA)
    Date         vrijediod;                      // in force from this day
    Dec<5, 2>    nizastopa;                      // lower rate, percent
    Dec<5, 2>    visastopa;                      // higher rate, percent
    RowRef row;

    static const TableDef table;
    // keyOpcinaDatum: a municipality's rates by date, one per day.
    static const KeyDef keyOznaka, keyOpcinaDatum;
};

// The first day these rates are taken (the surtax was abolished with it): a payment dated earlier
// is taxed at its income type's rate, and no table of rates is in force before it.
Date municipalRatesFrom();

}  // namespace pramo
