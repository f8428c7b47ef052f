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

// The place with its municipality, the street and the bank a payee or a payer names, each read by
// `read(number, out)`, which answers false when the read failed.
template <class Party, class Read>
bool readLinks(const Party& p, const Wants& w, PartyLinks& out, Read read) {
    out = {};
    if (w.place && !read(p.mjesto, out.mje)) return false;
    if (out.mje && !read(out.mje->opcina, out.opc)) return false;
    if (w.street && !read(p.ulica, out.uli)) return false;
    return !w.bank || read(p.banka, out.ban);
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

template <class R>
bool ItemReader::kept(std::int64_t number, std::optional<R>& out) {
    Kept<R>& known = std::get<Kept<R>>(kept_);
    if (const auto it = known.find(number); it != known.end()) {
        out = it->second;
        return true;
    }
    if (!readInto(store_, number, out, failed_)) return false;
    if (known.size() >= keptPerRegister) known.clear();
    known.emplace(number, out);
    return true;
}

StoreCode ItemReader::read(const Dohoci& doh, ItemContext& out) {
    out.doh = doh;
    out.oso.reset();
    out.vrs.reset();
    out.lines.clear();
    out.method = 0;
    const auto read = [this](std::int64_t number, auto& record) { return kept(number, record); };
    if (wantsPayee(wants_) && !read(doh.djelatnik, out.oso)) return store_.error().code;
    if (!out.oso) static_cast<PartyLinks&>(out) = {};
    else if (!readLinks(*out.oso, wants_, out, read)) return store_.error().code;
    if (wants_.type && !read(doh.vrstadohotka, out.vrs)) return store_.error().code;
    if (wants_.lines && !ok(readLines(store_, doh.oznaka, out.lines))) return fail(Obracun::table);
    if (wants_.method && !ok(readPaymentMethod(store_, doh.oznaka, out.method))) return fail(Svasta::table);
    return StoreCode::Ok;
}

StoreCode ItemReader::forPayment(std::int32_t isplata, const std::function<StoreCode(const ItemContext&)>& f) {
    const ReadTransaction oneState(store_);
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
    const auto read = [&](std::int64_t n, auto& record) { return readInto(store, n, record, failed); };
    if (!read(number, out.sub)) return store.error().code;
    if (out.sub && !readLinks(*out.sub, wants, out, read)) return store.error().code;
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
