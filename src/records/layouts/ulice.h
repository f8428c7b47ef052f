#pragma once
// ULICE — streets; names are unique

#include <cstdint>

#include "records/store/table_def.h"

namespace pramo {

struct Ulice {
    std::int32_t oznaka = 0;                     // street number
    Text<25>     naziv;                          // street name
    RowRef row;

    static const TableDef table;
    static const KeyDef keyOznaka, keyNaziv;
};

}  // namespace pramo
