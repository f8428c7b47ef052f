#pragma once
// PARAM — printer offsets for pre-printed forms, one record per purpose

#include <cstdint>

#include "records/store/table_def.h"

namespace pramo {

struct Param {
    std::uint16_t oznaka = 0;                    // parameter number
    std::int16_t  xpos = 0;                      // horizontal offset
    std::int16_t  ypos = 0;                      // vertical offset
    Text<100>     modelprintera;                 // purpose of the setting
    Text<6>       oznakapapira;                  // paper designation
    std::int16_t  duzina = 0;                    // paper length
    std::int16_t  sirina = 0;                    // paper width
    RowRef row;

    static const TableDef table;
    static const KeyDef keyOznaka;
};

}  // namespace pramo
