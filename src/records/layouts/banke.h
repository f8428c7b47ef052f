#pragma once
// BANKE — banks

#include <cstdint>

#include "records/store/table_def.h"

namespace pramo {

struct Banke {
    std::uint16_t oznaka = 0;                    // bank number
    Text<40>      naziv;                         // bank name
    Text<7>       vodecibroj;                    // seven-digit bank code
    RowRef row;

    static const TableDef table;
    static const KeyDef keyOznaka, keyNaziv;
};

}  // namespace pramo
