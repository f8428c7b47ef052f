#include "registers/todays_income_types.h"

namespace pramo {
namespace {

Rate percent(int hundredths) { return Rate::fromRaw(hundredths); }

// A taxed type: `expenses` recognised, the contributions of 2017 on, JOPPD category "02".
Vrstedoh taxed(std::uint8_t oznaka, const char* naziv, const char* receipt, int expenses, std::uint8_t idd) {
    return {.oznaka = oznaka, .naziv = naziv, .poreznastopa = percent(2000), .rnporez = "1422", .tipporez = "I",
            .visestopa = "NE", .priznatitroskovi = percent(expenses * 100), .mirovinskoistup = percent(750),
            .rnmoi = "8168", .tipmoi = "I", .mirovinskoiistup = percent(250), .rnmoii = "2003", .tipmoii = "I",
            .zdravstvenoosiguranje = percent(750), .rnzo = "8486", .tipzo = "I", .osnovaobracuna = "DD",
            .stupacidd = idd, .rezstringa = "02", .rezstringb = receipt, .porezopcine = "DA"};
}

// A non-taxable receipt: wholly non-taxable, no levies; `neoporez` is its JOPPD code.
Vrstedoh nonTaxable(std::uint8_t oznaka, const char* naziv, int neoporez) {
    return {.oznaka = oznaka, .naziv = naziv, .neoporezividio = percent(10000), .tipporez = "I", .visestopa = "NE",
            .tipmoi = "I", .tipmoii = "I", .tipzo = "I", .stupacidd = 4, .rezstringa = "00", .rezstringb = "0000",
            .rezdecimala = Dec<9, 2>::fromRaw(neoporez * 100), .porezopcine = "NE"};
}

}  // namespace

const std::vector<Vrstedoh>& todaysIncomeTypes() {
    static const std::vector<Vrstedoh> types{
        taxed(1, "Ugovor o djelu", "4030", 0, 3),
        taxed(2, "Autorski honorar", "4001", 30, 5),
        taxed(3, "Naknada za umjetničko djelo", "4002", 55, 5),
        taxed(4, "Prevoditeljske usluge", "4010", 0, 3),
        nonTaxable(5, "Dnevnice za službeni put", 17),
        nonTaxable(6, "Naknada za korištenje privatnog automobila", 18)};
    return types;
}

}  // namespace pramo
