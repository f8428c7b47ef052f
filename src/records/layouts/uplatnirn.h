#pragma once
// UPLATNIR — payment accounts per municipality

#include <cstdint>

#include "records/store/table_def.h"

namespace pramo {

struct Uplatnirn {
    std::int32_t oznaka = 0;                     // entry number
    std::int32_t opcina = 0;                     // municipality -> OPCINE
    std::uint8_t javniprihod = 0;                // kind of public revenue
    Text<10>     racun;                          // account number
    RowRef row;

    static const TableDef table;
    static const KeyDef keyOznaka, keyJavOpc, keyJavniPrihod, keyOpcina;
};

}  // namespace pramo
