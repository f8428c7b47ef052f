#include "joppd/item_facts.h"

#include "payments/lines.h"
#include "records/store/cursor.h"
#include "records/store/read_linked.h"

namespace pramo {
namespace {

template <class R>
bool readOptional(Store& store, std::int64_t number, std::optional<R>& out, std::string_view& failedFile) {
    if (ok(readLinked(store, number, out))) return true;
    failedFile = R::table.name;
    return false;
}

}  // namespace

StoreCode readItemFacts(Store& store, const Dohoci& doh, ItemFacts& facts, std::string_view& failedFile) {
    facts = ItemFacts{};
    facts.doh = doh;
    if (!readOptional(store, doh.djelatnik, facts.oso, failedFile)) return store.error().code;
    if (facts.oso && !readOptional(store, facts.oso->mjesto, facts.mje, failedFile)) return store.error().code;
    if (facts.mje && !readOptional(store, facts.mje->opcina, facts.opc, failedFile)) return store.error().code;
    if (!readOptional(store, doh.vrstadohotka, facts.vrs, failedFile)) return store.error().code;
    failedFile = "OBRACUN";
    if (const StoreCode c = readLines(store, doh.oznaka, facts.lines); !ok(c)) return c;
    failedFile = "SVASTA";
    return readPaymentMethod(store, doh.oznaka, facts.method);
}

StoreCode forEachItem(Store& store, std::int32_t isplata, const std::function<StoreCode(const Dohoci&)>& f) {
    Cursor cursor(store, Dohoci::keyIsplata);
    Dohoci doh;
    doh.isplata = isplata;
    cursor.setFrom(doh);
    for (;;) {
        const StoreCode c = cursor.next(doh);
        if (c == StoreCode::NoMoreRecords || (ok(c) && doh.isplata != isplata)) return StoreCode::Ok;
        if (!ok(c)) return c;
        if (const StoreCode r = f(doh); !ok(r)) return r;
    }
}

}  // namespace pramo
