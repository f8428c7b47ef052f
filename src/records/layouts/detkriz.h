#pragma once
// DETKRIZ — lines of a crisis-tax return, one per kind of receipt

#include <cstdint>

#include "records/store/table_def.h"

namespace pramo {

struct Detkriz {
    std::int32_t kriznica = 0;                   // return -> KRIZNICA
    std::uint8_t vrsta = 0;                      // 1 salary, 2 pension, 3 other income, 4 dividends and shares
    std::int16_t broj = 0;                       // number of persons
    Dec<11, 2>   osnovica;                       // tax base
    Dec<11, 2>   iznos;                          // tax amount
    RowRef row;

    static const TableDef table;
    static const KeyDef keyKriznica, keyGlavni;
};

}  // namespace pramo
