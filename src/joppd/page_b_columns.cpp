#include "joppd/page_b_columns.h"

#include "joppd/categories.h"
#include "joppd/return_rows.h"
#include "records/values/number_format.h"
#include "registers/tax_account.h"

namespace pramo {
namespace {

constexpr std::array<PageBColumn, pageBColumnCount> columns{{
    {"1", "1. R.br."},
    {"2", "2. Šifra općine /grada prebivališta /boravišta"},
    {"3", "3. Šifra općine /grada rada"},
    {"4", "4. OIB stjecatelja /osiguranika"},
    {"5", "5. Ime i prezime stjecatelja /osiguranika"},
    {"6.1", "6.1. Oznaka stjecatelja /osiguranika"},
    {"6.2", "6.2. Oznaka primitka /obveze doprinosa"},
    {"7.1", "7.1. Obveza dodatnog doprinosa za MO za staž s povećanim trajanjem"},
    {"7.2", "7.2. Obveza posebnog doprinosa za poticanje zapošljavanja osoba s invaliditetom"},
    {"8", "8. Oznaka prvog /zadnjeg mjeseca u osiguranju po istoj osnovi"},
    {"9", "9. Oznaka punog /nepounog radnog vremena ili rada s polovicom radnog vremena"},
    {"10", "10. Ukupni sati rada prema kojima se radi obračun"},
    {"10.0", "10.0. Ukupni neodrađeni sati rada (10-odrađeni sati)"},
    {"10.1", "10.1. Razdoblje obračuna od"},
    {"10.2", "10.2. Razdoblje obračuna do"},
    {"11", "11. Iznos primitka (oporezivi)", true},
    {"12", "12. Osnovica za obračun doprinosa", true},
    {"12.1", "12.1. Doprinos za mirovinsko osiguranje", true},
    {"12.2", "12.2. Doprinos za mirovinsko osiguranje -II stup", true},
    {"12.3", "12.3. Doprinos za zdravstveno osiguranje", true},
    {"12.4", "12.4. Doprinos za zaštitu zdravlja na radu", true},
    {"12.5", "12.5. Doprinos za zapošljavanje", true},
    {"12.6", "12.6. Dodatni doprinos za M.O. za staž osig. koji se računa s povećanim trajanjem", true},
    {"12.7", "12.7. Dodatni doprinos za M.O. za staž osig. koji se računa s povećanim trajanjem -II.stup", true},
    {"12.8", "12.8. Poseban doprinos za korištenje zdravstvene zaštite u inozemstvu", true},
    {"12.9", "12.9. Poseban doprinos za zapošljavanje osoba s invaliditetom", true},
    {"13.1", "13.1. Izdatak", true},
    {"13.2", "13.2. Izdatak -uplaćeni doprinos za mirovinsko osiguranje", true},
    {"13.3", "13.3. Dohodak", true},
    {"13.4", "13.4. Osobni odbitak", true},
    {"13.5", "13.5. Porezna osnovica", true},
    {"14.1", "14.1. Iznos obračunanog poreza na dohodak", true},
    {"14.2", "14.2. Iznos obračunanog prireza porezu na dohodak", true},
    {"15.1", "15.1. Oznaka neoporezivog primitka"},
    {"15.2", "15.2. Iznos neoporezivog primitka", true},
    {"16.1", "16.1. Oznaka načina isplate"},
    {"16.2", "16.2. Iznos za isplatu", true},
    {"17", "17. Obračunani primitak od nesam. rada (plaća)", true},
}};

// A column's index by its number, checked when the program is compiled.
consteval std::size_t col(std::string_view number) {
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].number == number) return i;
    }
    throw "no such column of page B";
}

// The printed column of each amount of the return.
constexpr std::pair<Iznos, std::size_t> printedAmounts[] = {
    {Iznos::P11, col("11")},     {Iznos::P12, col("12")},     {Iznos::P121, col("12.1")}, {Iznos::P122, col("12.2")},
    {Iznos::P123, col("12.3")},  {Iznos::P124, col("12.4")},  {Iznos::P125, col("12.5")}, {Iznos::P126, col("12.6")},
    {Iznos::P127, col("12.7")},  {Iznos::P128, col("12.8")},  {Iznos::P129, col("12.9")}, {Iznos::P131, col("13.1")},
    {Iznos::P132, col("13.2")},  {Iznos::P133, col("13.3")},  {Iznos::P134, col("13.4")}, {Iznos::P135, col("13.5")},
    {Iznos::P141, col("14.1")},  {Iznos::P142, col("14.2")},  {Iznos::P152, col("15.2")}, {Iznos::P162, col("16.2")},
    {Iznos::P17, col("17")},
};

void identification(PageBValues& v, const ItemContext& f, const Kategorija& k, Date paid) {
    v[col("1")] = std::to_string(f.doh.rednibroj);
    if (f.opc) v[col("2")] = joppdCode(f.opc->shifra.view());
    if (f.opc && f.oso) {
        const bool elsewhere = k.neoporezivo && f.oso->fax == "DA";
        v[col("3")] = !k.neoporezivo ? std::string("00000") : joppdCode(elsewhere ? f.oso->email.view() : f.opc->shifra.view());
    }
    if (f.oso) v[col("4")] = f.oso->oib.blank() ? f.oso->jmbg.str() : f.oso->oib.str();
    if (f.oso) v[col("5")] = std::string(utf8::prefix(f.oso->prezime.str() + " " + f.oso->ime.str(), 30));
    v[col("6.1")] = std::string(k.p61);
    if (f.vrs) v[col("6.2")] = std::string(utf8::prefix(f.vrs->rezstringb.view(), 4));
    constexpr std::array notUsed{col("7.1"), col("7.2"), col("8"), col("9"), col("10"), col("10.0")};
    for (const std::size_t c : notUsed) v[c].assign(1, '0');
    const std::int64_t code = f.vrs ? f.vrs->rezdecimala.raw() / 100 : 0;
    const auto [from, to] = calculationPeriod(paid, code != 0);
    v[col("10.1")] = from.toString();
    v[col("10.2")] = to.toString();
    v[col("15.1")] = std::to_string(code);
    v[col("16.1")] = std::to_string(f.method);
}

}  // namespace

const std::array<PageBColumn, pageBColumnCount>& pageBColumns() { return columns; }

PageBValues pageBValues(const ItemContext& f, Date paid) {
    const Kategorija& k = kategorija(f.vrs ? f.vrs->rezstringa.view() : std::string_view());
    PageBValues v{};
    identification(v, f, k, paid);
    Flags flags;  // an item's own amounts fit the return's amounts
    const ItemAmounts a = itemAmounts(f.lines, k, k.osnovicaIspis, flags);
    for (const auto& [iznos, column] : printedAmounts) v[column] = printAmount(a[static_cast<std::size_t>(iznos)]);
    return v;
}

}  // namespace pramo
