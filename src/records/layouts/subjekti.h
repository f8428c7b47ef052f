#pragma once
// SUBJEKTI — payers: legal or natural persons who pay the income

#include <cstdint>

#include "records/store/table_def.h"

namespace pramo {

struct Subjekti {
    std::int32_t  oznaka = 0;                    // payer number
    Text<1>       tip;                           // "P" legal, "F" natural, "5" other legal, "4" other natural person
    Text<40>      naziv;                         // name
    Text<13>      poreznibroj;                   // registration number (MB) or citizen number (MBG)
    Text<11>      oib;                           // OIB
    std::int32_t  mjesto = 0;                    // place -> MJESTA
    std::int32_t  ulica = 0;                     // street -> ULICE
    Text<5>       kucnibroj;                     // house number
    std::uint16_t banka = 0;                     // bank -> BANKE
    Text<4>       rkont;                         // IBAN country code and check digits
    Text<10>      racun;                         // account number
    Text<15>      telefon;                       // telephone
    Text<15>      mobitel;                       // mobile telephone
    Text<15>      fax;                           // fax
    Text<40>      email;                         // e-mail address
    Text<3>       status;                        // reserve
    RowRef row;

    static const TableDef table;
    static const KeyDef keyOznaka, keyNaziv, keyMjesto, keyUlica, keyBanka, keyPorezniBroj, keyOib;
};

}  // namespace pramo
