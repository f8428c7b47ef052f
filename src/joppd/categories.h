#pragma once
// What the recipient category of an income type (VRS:REZSTRINGA) changes in the JOPPD return and
// on its printed page B: one row per category, read by the return and the page alike.

#include <string_view>

namespace pramo {

struct Kategorija {
    std::string_view code;        // VRS:REZSTRINGA
    std::string_view p61;         // oznaka stjecatelja (P61, page B col. 6.1); blank for an unknown category
    bool neoporezivo = false;     // non-taxable receipts: no receipt, income or base; the net is the non-taxable amount
    bool kapital = false;         // capital income: tax and surtax go to page A line V.2 (P2), not V.5 (P5)
    bool osnovicaXml = false;     // the return carries the contribution base in P12
    bool osnovicaIspis = true;    // printed page B carries it in col. 12
};

// The rules of a category; an unknown category gets a blank P61 and no special treatment.
const Kategorija& kategorija(std::string_view code);

}  // namespace pramo
