#pragma once
// SVASTA — auxiliary slots of an income item; slot 1 is the payment method

#include <cstdint>

#include "records/store/table_def.h"

namespace pramo {

struct Svasta {
    std::int32_t dohodak = 0;                    // income item -> DOHOCI
    std::uint8_t broj = 0;                       // slot number
    std::int16_t vrishort = 0;                   // numeric value of the slot
    Text<20>     vritekst;                       // text value of the slot
    RowRef row;

    static const TableDef table;
    static const KeyDef keyDohodak, keyDohBroj;
};

}  // namespace pramo
