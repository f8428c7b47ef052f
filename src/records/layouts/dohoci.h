#pragma once
// DOHOCI — income items: one payee's income of one income type within a payment

#include <cstdint>

#include "records/store/table_def.h"

namespace pramo {

struct Dohoci {
    std::int32_t  oznaka = 0;                    // income item number
    std::uint16_t rednibroj = 0;                 // ordinal within the payment
    std::int32_t  isplata = 0;                   // payment -> ISPLATE
    std::int32_t  djelatnik = 0;                 // payee -> OSOBE
    std::uint8_t  vrstadohotka = 0;              // income type -> VRSTEDOH
    Dec<11, 2>    neto;                          // net amount paid out
    RowRef row;

    static const TableDef table;
    static const KeyDef keyOznaka, keyIsplata, keyDjelatnik, keyVrstaDohotka, keyRedniBroj;
};

}  // namespace pramo
