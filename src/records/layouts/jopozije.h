#pragma once
// JOPOZIJE — rows of the printed JOPPD page A (reference data)

#include <cstdint>

#include "records/store/table_def.h"

namespace pramo {

struct Jopozije {
    std::int16_t  oznaka = 0;                    // row number
    std::uint8_t  grupa = 0;                     // group of the row
    std::int16_t  rednibroj = 0;                 // ordinal within the group
    Text<20>      brtekst;                       // ordinal text printed in front of the row
    Text<200>     tekst1;                        // caption
    Text<200>     tekst2;                        // second caption; the XML element of the row
    std::uint16_t pozicija = 0;                  // position; not used
    Text<1>       vrsta;                         // "N": the row is printed in a box
    RowRef row;

    static const TableDef table;
    static const KeyDef keyOznaka, keyRedniBroj;
};

}  // namespace pramo
