#pragma once
// OBRACUN — calculation lines: one amount of an income item per position

#include <cstdint>

#include "records/store/table_def.h"

namespace pramo {

struct Obracun {
    std::int32_t  dohodak = 0;                   // income item -> DOHOCI
    std::uint16_t pozicija = 0;                  // position -> POZICIJE
    Dec<11, 2>    iznos;                         // amount
    RowRef row;

    static const TableDef table;
    static const KeyDef keyDohodak, keyPozicija, keyDohPoz;
};

}  // namespace pramo
