#pragma once
// OSOBE — payees: natural persons who receive income

#include <cstdint>

#include "records/store/table_def.h"

namespace pramo {

struct Osobe {
    std::int32_t  oznaka = 0;                    // payee number
    Text<20>      ime;                           // first name
    Text<25>      prezime;                       // surname
    Text<13>      jmbg;                          // citizen number
    Text<11>      oib;                           // personal identification number
    std::int32_t  mjesto = 0;                    // place of residence -> MJESTA
    std::int32_t  ulica = 0;                     // street -> ULICE
    Text<5>       kucnibroj;                     // house number
    std::uint16_t banka = 0;                     // bank -> BANKE
    Text<4>       rkont;                         // IBAN country code and check digits
    Text<10>      racun;                         // account number
    Text<2>       model;                         // payment reference model
    Text<20>      racunpoziv;                    // payment reference number
    Text<15>      kucnitelefon;                  // home telephone
    Text<15>      telefonnaposlu;                // work telephone
    Text<15>      fax;                           // "DA" when the payee works in a municipality other than the one of residence
    Text<40>      email;                         // code of the work municipality (OPCINE.SHIFRA) when fax is "DA"
    Text<2>       drugistup;                     // "DA" when insured in pension pillar II
    Dec<5, 2>     faktorodbitka;                 // personal allowance factor
    Text<3>       status;                        // reserve
    RowRef row;

    static const TableDef table;
    static const KeyDef keyOznaka, keyOib, keyPrezimeIme, keyBanka, keyMjesto, keyUlica;
};

}  // namespace pramo
