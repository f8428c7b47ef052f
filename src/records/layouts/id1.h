#pragma once
// ID1 — ID-1 form headers with the contact person

#include <cstdint>

#include "records/store/table_def.h"

namespace pramo {

struct Id1 {
    std::int32_t  oznaka = 0;                    // form number
    std::int32_t  isplatitelj = 0;               // payer -> SUBJEKTI
    Text<5>       storno;                        // "true" for a cancelling form
    Text<4>       godina;                        // year
    Text<20>      konime;                        // contact person's first name
    Text<25>      konprezime;                    // contact person's surname
    std::uint16_t konpoz1 = 0;                   // area code of telephone 1
    Text<10>      kontel1;                       // telephone 1
    std::uint16_t konpoz2 = 0;                   // area code of telephone 2
    Text<10>      kontel2;                       // telephone 2
    Text<40>      konemail;                      // contact e-mail
    RowRef row;

    static const TableDef table;
    static const KeyDef keyOznaka, keyIsplatitelj, keyIspGod;
};

}  // namespace pramo
