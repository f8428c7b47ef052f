#pragma once
// VBRAT — JOPPD code book of receipt codes (reference data)

#include <cstdint>

#include "records/store/table_def.h"

namespace pramo {

struct Vbrat {
    std::int32_t oznaka = 0;                     // entry number
    Text<500>    naziv;                          // description
    Text<10>     shifra;                         // receipt code
    Text<20>     rezerva;                        // recipient code that belongs to the receipt code
    RowRef row;

    static const TableDef table;
    static const KeyDef keyOznaka, keyRezerva, keyShifra;
};

}  // namespace pramo
