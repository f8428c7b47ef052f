#pragma once
// KRIZNICA — monthly crisis-tax returns of a payer

#include <cstdint>

#include "records/store/table_def.h"

namespace pramo {

struct Kriznica {
    std::int32_t oznaka = 0;                     // return number
    std::int32_t isplatitelj = 0;                // payer -> SUBJEKTI
    Text<4>      godina;                         // year
    std::uint8_t mjesec = 0;                     // month 1 to 12
    Memo<2000>   biljeske;                       // notes
    RowRef row;

    static const TableDef table;
    static const KeyDef keyOznaka, keyGlavni, keyIsplatitelj;
};

}  // namespace pramo
