#pragma once
// PORSTOPE — income-tax brackets (reference data)

#include <cstdint>

#include "records/store/table_def.h"

namespace pramo {

struct Porstope {
    std::uint16_t oznaka = 0;                    // bracket number 1, 2, 3 ...
    Dec<5, 2>     stopa;                         // tax rate of the bracket, percent
    Dec<9, 2>     osnovica;                      // upper limit of the bracket, cumulative taxable base
    RowRef row;

    static const TableDef table;
    static const KeyDef keyOznaka;
};

}  // namespace pramo
