#include "joppd/return_rows.h"

#include <set>

#include "joppd/categories.h"
#include "xml/authority_text.h"
#include "payments/working_values.h"
#include "records/values/unicode.h"
#include "registers/check_digits.h"
#include "registers/tax_account.h"
#include "xml/xml_text.h"

namespace pramo {
namespace {

constexpr std::size_t p5Bytes = 40;

// An OIB of eleven digits whose check digit is wrong. One of another form is left to the schema,
// whose message names the element and what it wants.
bool wrongCheckDigit(std::string_view oib) { return allDigits(oib, 11) && !validOib(oib); }

// A text the document carries that XML cannot: the payee's name and OIB, the work municipality in
// P3, the residence's code and the receipt label.
std::optional<std::string> unwritableText(const ItemContext& f) {
    const bool worksElsewhere = f.oso->fax == "DA";
    auto fault = worksElsewhere ? xmlFieldFault(*f.oso, {"IME", "PREZIME", "OIB", "EMAIL"})
                                : xmlFieldFault(*f.oso, {"IME", "PREZIME", "OIB"});
    if (!fault) fault = xmlFieldFault(*f.opc, {"SHIFRA"});
    if (!fault) fault = xmlFieldFault(*f.vrs, {"REZSTRINGB"});
    if (fault) return "Greška - " + *fault + "!";
    return std::nullopt;
}

// Why an item cannot be reported; nothing when it can.
std::optional<std::string> itemFault(const ItemContext& f) {
    if (!f.oso) return "GREŠKA BR. 1";
    if (f.oso->oib.blank()) return "Greška - nije unesen OIB primatelja!";
    if (wrongCheckDigit(f.oso->oib.view()))
        return "Greška - OIB primatelja " + f.oso->oib.str() + " nije ispravan (kontrolna znamenka ne odgovara)!";
    if (!f.opc) return "GREŠKA BR. 2";
    if (!f.vrs) return "GREŠKA nije odabrana vrsta dohotka";
    if (f.vrs->rezstringa.blank()) return "GREŠKA nije unesena oznaka stjecatelja";
    if (f.vrs->rezstringb.blank()) return "GREŠKA nije unesena oznaka primitka";
    return unwritableText(f);
}

std::string payeeOf(const ItemContext& f) {
    const std::string number = std::to_string(f.doh.djelatnik);
    if (!f.oso) return "šifra " + number + ", kojeg nema u registru primatelja";
    return visibleUtf8(f.oso->prezime.str() + " " + f.oso->ime.str()) + " (šifra " + number + ")";
}

std::string itemMessage(const std::string& fault, const ItemContext& f, std::size_t row) {
    return fault + "\nRedak " + std::to_string(row) + " stranice B (stavka br. " +
           std::to_string(f.doh.rednibroj) + "), primatelj " + payeeOf(f) + ".\nXML datoteka nije kreirana.";
}

std::string twoDigits(std::int64_t code) {
    return code >= 0 && code < 10 ? "0" + std::to_string(code) : std::to_string(code);
}

void identify(ReturnRow& row, const ItemContext& f, const Kategorija& k, Date paid) {
    const Osobe& oso = *f.oso;
    const std::string residence = joppdCode(f.opc->shifra.view());
    row.p2 = residence;
    row.p3 = !k.neoporezivo ? "00000" : oso.fax == "DA" ? joppdCode(oso.email.view()) : residence;
    row.p4 = oso.oib.str();
    row.p5 = std::string(cutUtf8(prijenos(oso.ime.view()) + " " + prijenos(oso.prezime.view()), p5Bytes));
    row.p61 = std::string(k.p61);
    row.p62 = std::string(utf8::prefix(f.vrs->rezstringb.view(), 4));
    std::tie(row.p101, row.p102) = calculationPeriod(paid, k.neoporezivo);
    row.p151 = k.neoporezivo ? twoDigits(f.vrs->rezdecimala.raw() / 100) : "0";
    row.p161 = f.method;
}

// Page A adds up the row's contributions, tax and surtax (by category) and non-taxable receipts.
void addToTotals(ReturnTotals& t, const ReturnRow& row, const Kategorija& k, Flags& flags) {
    t.mirovinskoI = add(t.mirovinskoI, row[Iznos::P121], flags);
    t.mirovinskoII = add(t.mirovinskoII, row[Iznos::P122], flags);
    t.zdravstveno = add(t.zdravstveno, row[Iznos::P123], flags);
    Amount& tax = k.kapital ? t.porezKapital : t.porez;
    tax = add(add(tax, row[Iznos::P141], flags), row[Iznos::P142], flags);
    t.neoporezivo = add(t.neoporezivo, row[Iznos::P152], flags);
}

std::string storeMessage(Store& store, std::string_view file) {
    return "Greška datoteke " + std::string(file) + ": " + store.error().text() + "\nXML datoteka nije kreirana.";
}

// Adds the row of one item; the message when the item cannot be reported.
std::optional<std::string> addRow(const Isplate& isp, const ItemContext& f, PageB& out, std::set<std::int32_t>& payees,
                                  Flags& flags) {
    if (const auto fault = itemFault(f)) return itemMessage(*fault, f, out.rows.size() + 1);
    payees.insert(f.doh.djelatnik);
    const Kategorija& k = kategorija(f.vrs->rezstringa.view());
    ReturnRow& row = out.rows.emplace_back();
    row.rbr = static_cast<int>(out.rows.size());
    identify(row, f, k, isp.datum);
    row.iznosi = itemAmounts(f.lines, k, k.osnovicaXml, flags);
    addToTotals(out.totals, row, k, flags);
    return std::nullopt;
}

}  // namespace

std::pair<Date, Date> calculationPeriod(Date paid, bool previousMonth) {
    if (!previousMonth) return {paid.yearStart(), paid.yearEnd()};
    return {paid.monthStart(-1), paid.monthEnd(-1)};
}

ItemAmounts itemAmounts(const std::vector<Obracun>& lines, const Kategorija& k, bool baseInP12, Flags& flags) {
    ItemAmounts a{};
    const auto at = [&](Iznos i) -> Amount& { return a[static_cast<std::size_t>(i)]; };
    const auto take = [&](Iznos i, Money m) { at(i) = add(at(i), Amount::from(m, flags), flags); };
    for (const Obracun& obr : lines) {
        const Money m = obr.iznos;
        switch (static_cast<Pozicija>(obr.pozicija)) {
        case Pozicija::Bruto: take(Iznos::P11, m); break;
        case Pozicija::NeoporeziviDio:
        case Pozicija::PriznatiTroskovi: take(Iznos::P131, m); break;
        case Pozicija::Osnovica: take(Iznos::P12, m); break;
        case Pozicija::MirovinskoI: take(Iznos::P121, m); take(Iznos::P132, m); break;
        case Pozicija::MirovinskoII: take(Iznos::P122, m); take(Iznos::P132, m); break;
        case Pozicija::Dohodak: take(Iznos::P133, m); take(Iznos::P135, m); break;
        case Pozicija::Porez: take(Iznos::P141, m); break;
        case Pozicija::Prirez: take(Iznos::P142, m); break;
        case Pozicija::Neto: take(Iznos::P162, m); break;
        case Pozicija::Zdravstveno: take(Iznos::P123, m); break;
        default: break;
        }
    }
    if (k.neoporezivo) {
        for (Iznos i : {Iznos::P11, Iznos::P133, Iznos::P135}) at(i) = {};
        at(Iznos::P152) = at(Iznos::P162);
    }
    if (!baseInP12) at(Iznos::P12) = {};
    return a;
}

std::optional<std::string> puni(Store& store, const Isplate& isp, PageB& out) {
    out = PageB{};
    if (isp.datum.isNull())  // every row's period is counted from the date
        return "Isplata " + std::to_string(isp.oznaka) + " (oznaka izvješća " + visibleUtf8(isp.rsid.view()) +
               ") nema datum isplate.\nXML datoteka nije kreirana.";
    std::set<std::int32_t> payees;
    std::optional<std::string> problem;
    Flags flags;
    ItemReader reader(store, joppdItem);
    const StoreCode c = reader.forPayment(isp.oznaka, [&](const ItemContext& f) {
        problem = addRow(isp, f, out, payees, flags);
        return problem ? StoreCode::NotFound : StoreCode::Ok;  // the first fault ends the walk
    });
    if (problem) return problem;
    if (!ok(c)) return storeMessage(store, reader.failed()->name);
    if (flags.overflow) return std::string("Zbroj iznosa ne stane u polje obrasca.\nXML datoteka nije kreirana.");
    out.brojOsoba = static_cast<int>(payees.size());
    return std::nullopt;
}

}  // namespace pramo
