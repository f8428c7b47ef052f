#pragma once
// OPCINE — municipalities and cities: code, surtax rate and tax account

#include <cstdint>

#include "records/store/table_def.h"

namespace pramo {

struct Opcine {
    std::int32_t  oznaka = 0;                    // municipality number
    Text<4>       shifra;                        // official four-digit code
    Text<25>      naziv;                         // name
    Text<4>       rkont;                         // IBAN country code and check digits of the tax account
    Text<10>      racunporez;                    // tax and surtax account number
    Dec<7, 2>     stopaprireza;                  // surtax rate, percent of the income tax
    Text<10>      racun1;                        // reserve
    Text<10>      racun2;                        // reserve
    Text<10>      racun3;                        // reserve
    Text<10>      racun4;                        // reserve
    Text<10>      racun5;                        // reserve
    Text<20>      string1;                       // reserve
    Dec<7, 2>     decimal1;                      // reserve
    Dec<7, 2>     decimal2;                      // reserve
    std::uint16_t parent1 = 0;                   // reserve
    std::uint16_t parent2 = 0;                   // reserve
    RowRef row;

    static const TableDef table;
    static const KeyDef keyOznaka, keyNaziv, keyShifra, keyParent1, keyParent2;
};

}  // namespace pramo
