#pragma once
// MJESTA — places; each belongs to one municipality

#include <cstdint>

#include "records/store/table_def.h"

namespace pramo {

struct Mjesta {
    std::int32_t oznaka = 0;                     // place number
    Text<25>     naziv;                          // name
    std::int32_t opcina = 0;                     // municipality -> OPCINE
    Text<6>      postbroj;                       // postal code
    RowRef row;

    static const TableDef table;
    static const KeyDef keyOznaka, keyNaziv, keyOpcina;
};

}  // namespace pramo
