#pragma once
// NEOPOREZ — code book of JOPPD non-taxable receipts

#include <cstdint>

#include "records/store/table_def.h"

namespace pramo {

struct Neoporez {
    std::int16_t oznaka = 0;                     // entry number
    std::int16_t shifra = 0;                     // receipt code
    Text<1000>   naziv;                          // description
    Text<20>     kontrola;                       // control text shown in the list
    RowRef row;

    static const TableDef table;
    static const KeyDef keyOznaka, keyShifra, keyKontrola;
};

}  // namespace pramo
