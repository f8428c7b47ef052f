#include "payments/item_context.h"

#include "payments/lines.h"
#include "records/layouts/svasta.h"
#include "records/store/key_walk.h"
#include "records/store/read_linked.h"
#include "records/values/unicode.h"

namespace pramo {
namespace {

template <class R>
bool readInto(Store& store, std::int64_t number, std::optional<R>& out, const TableDef*& failed) {
    if (ok(readLinked(store, number, out))) return true;
    if (!failed) failed = &R::table;
    return false;
}

// The place with its municipality, the street and the bank a payee or a payer names.
template <class Party>
bool readLinks(Store& store, const Party& p, const Wants& w, PartyLinks& out, const TableDef*& failed) {
    out = {};
    if (w.place && !readInto(store, p.mjesto, out.mje, failed)) return false;
    if (out.mje && !readInto(store, out.mje->opcina, out.opc, failed)) return false;
    if (w.street && !readInto(store, p.ulica, out.uli, failed)) return false;
    return !w.bank || readInto(store, p.banka, out.ban, failed);
}

bool wantsPayee(const Wants& w) { return w.payee || w.place || w.street || w.bank; }

std::string paymentNamed(const Isplate& isp) {
    return "isplate " + std::to_string(isp.oznaka) + " (oznaka izvješća " + visibleUtf8(isp.rsid.view()) + ")";
}

}  // namespace

ItemReader::ItemReader(Store& store, Wants wants) : store_(store), wants_(wants) {}

StoreCode ItemReader::fail(const TableDef& file) {
    if (!failed_) failed_ = &file;
    return store_.error().code;
}

StoreCode ItemReader::type(std::uint8_t oznaka, std::optional<Vrstedoh>& out) {
    if (const auto known = types_.find(oznaka); known != types_.end()) {
        out = known->second;
        return StoreCode::Ok;
    }
    if (!readInto(store_, oznaka, out, failed_)) return store_.error().code;
    types_.emplace(oznaka, out);
    return StoreCode::Ok;
}

StoreCode ItemReader::read(const Dohoci& doh, ItemContext& out) {
    out.doh = doh;
    out.oso.reset();
    out.vrs.reset();
    out.lines.clear();
    out.method = 0;
    if (wantsPayee(wants_) && !readInto(store_, doh.djelatnik, out.oso, failed_)) return store_.error().code;
    if (!out.oso) static_cast<PartyLinks&>(out) = {};
    else if (!readLinks(store_, *out.oso, wants_, out, failed_)) return store_.error().code;
    if (wants_.type && !ok(type(doh.vrstadohotka, out.vrs))) return store_.error().code;
    if (wants_.lines && !ok(readLines(store_, doh.oznaka, out.lines))) return fail(Obracun::table);
    if (wants_.method && !ok(readPaymentMethod(store_, doh.oznaka, out.method))) return fail(Svasta::table);
    return StoreCode::Ok;
}

StoreCode ItemReader::forPayment(std::int32_t isplata, const std::function<StoreCode(const ItemContext&)>& f) {
    ItemContext context;
    bool walkFailed = true;  // until the read of an item or `f` answers a failure
    const StoreCode c = walkNumber(store_, Dohoci::keyIsplata, Dohoci{.isplata = isplata}, [&](const Dohoci& doh) {
        StoreCode r = read(doh, context);
        if (ok(r)) r = f(context);
        walkFailed = ok(r);
        return r;
    });
    if (!ok(c) && walkFailed && !failed_) failed_ = &Dohoci::table;
    return c;
}

StoreCode readPayer(Store& store, std::int32_t number, Wants wants, PayerContext& out, const TableDef*& failed) {
    out = {};
    if (!readInto(store, number, out.sub, failed)) return store.error().code;
    if (out.sub && !readLinks(store, *out.sub, wants, out, failed)) return store.error().code;
    return StoreCode::Ok;
}

std::string missingPayer(const Isplate& isp) {
    return "Isplatitelj " + std::to_string(isp.isplatitelj) + " " + paymentNamed(isp) + " nije upisan u registar isplatitelja.";
}

std::string missingPayee(const Dohoci& doh) {
    return "Primatelj " + std::to_string(doh.djelatnik) + " stavke br. " + std::to_string(doh.rednibroj) + " isplate " +
           std::to_string(doh.isplata) + " nije upisan u registar primatelja.";
}

}  // namespace pramo
