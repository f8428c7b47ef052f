#pragma once
// POZICIJE — names of the calculation positions (reference data)

#include <cstdint>

#include "records/store/table_def.h"

namespace pramo {

struct Pozicije {
    std::uint16_t oznaka = 0;                    // position number
    Text<20>      naziv;                         // position name
    Text<4>       uplatnirn;                     // payment-account code; not used
    RowRef row;

    static const TableDef table;
    static const KeyDef keyOznaka;
};

}  // namespace pramo
