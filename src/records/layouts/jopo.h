#pragma once
// JOPO — JOPPD submissions of payments

#include <cstdint>

#include "records/store/table_def.h"

namespace pramo {

struct Jopo {
    std::int32_t oznaka = 0;                     // submission number
    std::int32_t isplata = 0;                    // payment -> ISPLATE
    std::uint8_t rbr = 0;                        // ordinal within the payment
    Text<30>     imeautora;                      // author's first name
    Text<30>     prezimeautora;                  // author's surname
    Text<50>     email;                          // author's e-mail
    Text<36>     ujed;                           // unique identifier of the XML return
    Text<128>    datoteka;                       // full path of the XML file written
    RowRef row;

    static const TableDef table;
    static const KeyDef keyOznaka, keyDatoteka, keyJedinstvo, keyIsplata, keyUjed;
};

}  // namespace pramo
