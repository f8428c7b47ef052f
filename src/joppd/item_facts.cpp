#include "joppd/item_facts.h"

#include "payments/lines.h"
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

}  // namespace pramo
