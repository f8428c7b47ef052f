#include "payments/item_entry.h"

#include <algorithm>

#include "payments/item_context.h"
#include "records/layouts/vrstedoh.h"
#include "records/store/cursor.h"
#include "records/store/key_walk.h"
#include "records/values/number_format.h"

namespace pramo {
namespace {

// The highest ordinal among the items of a payment (0 when it has none).
StoreCode highestOrdinal(Store& store, std::int32_t isplata, std::uint16_t& highest) {
    highest = 0;
    return walkNumber(store, Dohoci::keyIsplata, Dohoci{.isplata = isplata}, [&highest](const Dohoci& doh) {
        highest = std::max(highest, doh.rednibroj);
    });
}

// The income type numbered `wanted`, else the next lower one; `wanted` itself when there is neither.
StoreCode typeAtOrBelow(Store& store, std::uint8_t wanted, std::uint8_t& type) {
    type = wanted;
    Cursor cursor(store, Vrstedoh::keyOznaka);
    Vrstedoh vrs;
    vrs.oznaka = wanted;
    cursor.setFrom(vrs);
    const StoreCode c = cursor.previous(vrs);
    if (ok(c)) type = vrs.oznaka;
    return c == StoreCode::NoMoreRecords ? StoreCode::Ok : c;
}

StoreCode eraseLines(Store& store, std::int32_t item) {
    std::vector<Obracun> lines;
    if (auto c = readLines(store, item, lines); !ok(c)) return c;
    for (Obracun& obr : lines) {
        if (auto c = store.get(Obracun::keyDohPoz, obr); !ok(c)) return c;
        if (auto c = store.erase(obr); !ok(c)) return c;
    }
    return StoreCode::Ok;
}

bool sameAmounts(const std::vector<Obracun>& a, const std::vector<Obracun>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const Obracun& x, const Obracun& y) {
        return x.pozicija == y.pozicija && x.iznos == y.iznos;
    });
}

}  // namespace

ItemPayee readItemPayee(Store& store, std::int32_t payee) {
    ItemPayee out;
    ItemContext item;
    if (payee == 0 || !ok(ItemReader(store, {.place = true}).read(Dohoci{.djelatnik = payee}, item)) || !item.oso) return out;
    const Osobe& oso = *item.oso;
    out.name = oso.ime.str() + " " + oso.prezime.str();
    out.opcinaRada = std::string(utf8::prefix(oso.email.view(), 4));
    out.drugiStup = oso.drugistup.str();
    if (item.opc) {
        out.opcina = item.opc->shifra.str();
        out.stopaPrireza = screenAmount(item.opc->stopaprireza);
    }
    return out;
}

StoreCode ItemEntry::primeNew() {
    std::uint16_t highest = 0;
    const StoreCode c = highestOrdinal(store_, doh_.isplata, highest);
    doh_.rednibroj = static_cast<std::uint16_t>(highest + 1);
    doh_.neto = Money{};
    return c;
}

StoreCode ItemEntry::startNew(std::uint8_t defaultType) {
    if (auto c = typeAtOrBelow(store_, defaultType, doh_.vrstadohotka); !ok(c)) return c;
    return inTransaction(store_, [&] { return writeLines(store_, doh_.oznaka, Lines{}); });
}

StoreCode ItemEntry::startChange() { return readLines(store_, doh_.oznaka, openedWith_); }

CalcOutcome ItemEntry::calculateFromGross(Money bruto) {
    loc_.bruto = bruto;
    return calc_.calculateFromGross(doh_, loc_);
}

StoreCode ItemEntry::totals(ItemTotals& out) {
    std::vector<Obracun> lines;
    out = {};
    if (auto c = readLines(store_, doh_.oznaka, lines); !ok(c)) return c;
    Flags flags;
    Exact pip;
    for (const Obracun& obr : lines) {
        if (obr.pozicija == number(Pozicija::Bruto)) out.bruto = obr.iznos;
        if (obr.pozicija == number(Pozicija::Porez) || obr.pozicija == number(Pozicija::Prirez)) pip = pip + Exact{obr.iznos};
    }
    out.pip = Money::round(pip, flags);
    return StoreCode::Ok;
}

StoreCode ItemEntry::hasAmounts(bool& any) {
    std::vector<Obracun> lines;
    const StoreCode c = readLines(store_, doh_.oznaka, lines);
    any = std::any_of(lines.begin(), lines.end(), [](const Obracun& obr) { return !obr.iznos.isZero(); });
    return c;
}

StoreCode ItemEntry::restoreLines() {
    std::vector<Obracun> now;
    if (auto c = readLines(store_, doh_.oznaka, now); !ok(c)) return c;
    if (sameAmounts(now, openedWith_)) return StoreCode::Ok;
    return inTransaction(store_, [&] {
        if (auto c = eraseLines(store_, doh_.oznaka); !ok(c)) return c;
        for (Obracun obr : openedWith_) {
            obr.row = {};
            if (auto c = store_.add(obr); !ok(c)) return c;
        }
        return StoreCode::Ok;
    });
}

}  // namespace pramo
