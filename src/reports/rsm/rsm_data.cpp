#include "reports/rsm/rsm_data.h"

#include "payments/lines.h"
#include "records/layouts/mjesta.h"
#include "records/store/read_linked.h"
#include "reports/key_walk.h"

namespace pramo {
namespace {

// Money of a line in the item's amounts; a line of another position changes nothing.
void take(RsmItem& item, const Obracun& obr, Money& kriznica) {
    switch (static_cast<Pozicija>(obr.pozicija)) {
    case Pozicija::Osnovica: item.osnovica = obr.iznos; break;
    case Pozicija::MirovinskoI: item.mirovinskoI = obr.iznos; break;
    case Pozicija::MirovinskoII: item.mirovinskoII = obr.iznos; break;
    case Pozicija::Neto: item.isplaceno = obr.iznos; break;
    case Pozicija::Kriznica: kriznica = obr.iznos; break;
    default: break;
    }
}

StoreCode amounts(Store& store, RsmItem& item) {
    std::vector<Obracun> lines;
    const StoreCode c = readLines(store, item.doh.oznaka, lines);
    Money kriznica;
    for (const Obracun& obr : lines) take(item, obr, kriznica);
    item.isplaceno = Money::fromRaw(item.isplaceno.raw() - kriznica.raw());
    return c;
}

// The record a number names, or an empty record when there is none.
template <class R>
StoreCode readOrClear(Store& store, std::int64_t number, R& rec) {
    const StoreCode c = readLinked(store, number, rec);
    if (c != StoreCode::NotFound) return c;
    rec = R{};
    return StoreCode::Ok;
}

StoreCode linked(Store& store, RsmItem& item) {
    Mjesta mje;
    StoreCode c = readOrClear(store, item.doh.vrstadohotka, item.vrs);
    if (ok(c)) c = readOrClear(store, item.doh.djelatnik, item.oso);
    if (ok(c)) c = readOrClear(store, item.oso.mjesto, mje);
    if (ok(c)) c = readLinked(store, mje.opcina, item.opc);
    return c;
}

}  // namespace

StoreCode readRsmItems(Store& store, std::int32_t isplata, std::vector<RsmItem>& out) {
    out.clear();
    return walkKey<Dohoci>(
        store, Dohoci::keyIsplata, Dohoci{.isplata = isplata}, [isplata](const Dohoci& doh) { return doh.isplata == isplata; },
        [&](const Dohoci& doh) {
            RsmItem item{.doh = doh};
            StoreCode c = linked(store, item);
            if (ok(c)) c = amounts(store, item);
            if (ok(c)) out.push_back(item);
            return c;
        });
}

int rsmPagesB(std::size_t items) {
    return static_cast<int>((items + rsmRowsPerPageB - 1) / rsmRowsPerPageB);
}

std::string rsmPayerNumber(const Subjekti& sub) { return sub.oib.blank() ? sub.poreznibroj.str() : sub.oib.str(); }

std::string rsmPayeeNumber(const Osobe& oso) { return oso.oib.blank() ? oso.jmbg.str() : oso.oib.str(); }

std::string rsmWorkMunicipality(const RsmItem& item) {
    if (item.oso.fax == "DA") return std::string(utf8::prefix(item.oso.email.view(), 4));
    return item.opc ? item.opc->shifra.str() : std::string();
}

std::string rsmName(const Osobe& oso) { return oso.prezime.str() + ' ' + oso.ime.str(); }

}  // namespace pramo
