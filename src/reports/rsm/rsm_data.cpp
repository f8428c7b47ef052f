#include "reports/rsm/rsm_data.h"

#include "payments/working_values.h"

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

StoreCode refuse(RsmPayment& out, std::string why) {
    out.refusal = std::move(why);
    return StoreCode::NotFound;
}

StoreCode addItem(const ItemContext& c, RsmPayment& out) {
    if (!c.oso) return refuse(out, missingPayee(c.doh));
    RsmItem item{.doh = c.doh, .oso = *c.oso, .opc = c.opc, .vrs = c.vrs.value_or(Vrstedoh{})};
    Money kriznica;
    for (const Obracun& obr : c.lines) take(item, obr, kriznica);
    item.isplaceno = subtract(item.isplaceno, kriznica, out.flags);
    out.items.push_back(item);
    return StoreCode::Ok;
}

}  // namespace

StoreCode readRsm(Store& store, const Isplate& isp, RsmPayment& out) {
    out = {};
    if (const StoreCode c = readPayer(store, isp.isplatitelj, {.place = true, .street = true}, out.payer, out.failed); !ok(c))
        return c;
    ItemReader reader(store, {.place = true, .type = true, .lines = true});
    const StoreCode c = reader.forPayment(isp.oznaka, [&out](const ItemContext& item) { return addItem(item, out); });
    out.failed = reader.failed();
    if (ok(c) && !out.items.empty() && !out.payer.sub) return refuse(out, missingPayer(isp));
    return c;
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
