#pragma once
// VRSTEDOH — income types: rates, payment accounts and JOPPD codes

#include <cstdint>

#include "records/store/table_def.h"

namespace pramo {

struct Vrstedoh {
    std::uint8_t oznaka = 0;                     // income type code
    Text<50>     naziv;                          // name
    Dec<5, 2>    neoporezividio;                 // non-taxable part, percent of gross
    Dec<5, 2>    poreznastopa;                   // income-tax rate, percent
    Text<4>      rnporez;                        // payment-account code for tax and surtax
    Text<1>      tipporez;                       // "I" payer or "P" payee: whose OIB the tax reference carries
    Text<2>      visestopa;                      // "DA": tax by brackets with a personal allowance
    Dec<5, 2>    priznatitroskovi;               // recognised expenses, percent
    Dec<5, 2>    mirovinskoistup;                // pension pillar I, percent
    Text<4>      rnmoi;                          // payment-account code for pillar I
    Text<1>      tipmoi;                         // "I" or "P" for pillar I
    Dec<5, 2>    mirovinskoiistup;               // pension pillar II, percent
    Text<4>      rnmoii;                         // payment-account code for pillar II
    Text<1>      tipmoii;                        // "I" or "P" for pillar II
    Dec<5, 2>    zdravstvenoosiguranje;          // health insurance, percent
    Text<4>      rnzo;                           // payment-account code for health insurance
    Text<1>      tipzo;                          // "I" or "P" for health insurance
    Dec<5, 2>    zaposljavanje;                  // employment contribution, percent; kept, not calculated
    Dec<7, 2>    osobniodbitak;                  // personal allowance base amount
    Text<20>     osnovaobracuna;                 // basis-of-calculation code of the R-Sm B form
    std::uint8_t stupacidd = 0;                  // IDD report column 3 to 8
    Text<2>      rezstringa;                     // JOPPD recipient code: "01", "11", "02" or "00"
    Text<15>     rezstringb;                     // JOPPD receipt code (a VBRAT code)
    Dec<9, 2>    rezdecimala;                    // JOPPD non-taxable receipt code (a NEOPOREZ code, a whole number)
    Dec<7, 2>    rezdecimalb;                    // reserve
    Dec<7, 2>    rezdecimalc;                    // reserve
    Text<2>      porezopcine;                    // "DA": from 2024 the tax is the lower rate of the payee's municipality
    RowRef row;

    static const TableDef table;
    static const KeyDef keyOznaka, keyStupacIdd;
};

}  // namespace pramo
