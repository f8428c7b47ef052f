#include "payments/references.h"

#include "payments/item_context.h"
#include "records/store/key_walk.h"
#include "records/layouts/porstope.h"

namespace pramo {

namespace {

LookUp failed(References& refs, const TableDef& t) {
    refs.failedFile = &t;
    return LookUp::Failed;
}

}  // namespace

LookUp lookUp(Store& store, const Dohoci& doh, References& refs) {
    refs = References{};
    if (doh.djelatnik == 0) return LookUp::NoPayee;
    ItemReader reader(store, {.place = true, .type = true});
    ItemContext item;
    if (!ok(reader.read(doh, item))) return failed(refs, *reader.failed());
    if (!item.oso) return LookUp::PayeeMissing;
    if (!item.vrs) return LookUp::TypeMissing;
    refs.oso = *item.oso;
    refs.mje = item.mje;
    refs.opc = item.opc;
    refs.vrs = *item.vrs;
    if (refs.multiRate() && !ok(readBrackets(store, refs.brackets))) return failed(refs, Porstope::table);
    return LookUp::Found;
}

StoreCode readBrackets(Store& store, std::vector<Bracket>& brackets) {
    brackets.clear();
    return walkKey(store, Porstope::keyOznaka, Porstope{.oznaka = 1}, [](const Porstope&) { return true; }, [&](const Porstope& por) {
        brackets.push_back({por.stopa, por.osnovica});
        return StoreCode::Ok;
    });
}

Terms termsOf(const References& refs) {
    return {.rates = ratesOf(refs.vrs),
            .stopaprireza = refs.surtaxRate(),
            .drugiStup = refs.oso.drugistup.view() != "NE",
            .visestopa = refs.multiRate(),
            .osobniodbitak = refs.vrs.osobniodbitak,
            .faktorodbitka = refs.oso.faktorodbitka,
            .brackets = refs.brackets};
}

}  // namespace pramo
