#include "payments/references.h"

#include "records/store/cursor.h"
#include "records/store/read_linked.h"
#include "records/layouts/porstope.h"

namespace pramo {

namespace {

LookUp failed(References& refs, const TableDef& t) {
    refs.failedFile = &t;
    return LookUp::Failed;
}

// The place and its municipality; either may be missing.
StoreCode lookUpResidence(Store& store, References& refs) {
    if (auto c = readLinked(store, refs.oso.mjesto, refs.mje); !ok(c)) return c;
    if (!refs.mje) return StoreCode::Ok;
    return readLinked(store, refs.mje->opcina, refs.opc);
}

}  // namespace

LookUp lookUp(Store& store, const Dohoci& doh, References& refs) {
    refs = References{};
    if (doh.djelatnik == 0) return LookUp::NoPayee;
    const StoreCode payee = readLinked(store, doh.djelatnik, refs.oso);
    if (payee == StoreCode::NotFound) return LookUp::PayeeMissing;
    if (!ok(payee)) return failed(refs, Osobe::table);
    if (!ok(lookUpResidence(store, refs))) return failed(refs, refs.mje ? Opcine::table : Mjesta::table);
    const StoreCode type = readLinked(store, doh.vrstadohotka, refs.vrs);
    if (type == StoreCode::NotFound) return LookUp::TypeMissing;
    if (!ok(type)) return failed(refs, Vrstedoh::table);
    if (refs.multiRate() && !ok(readBrackets(store, refs.brackets))) return failed(refs, Porstope::table);
    return LookUp::Found;
}

StoreCode readBrackets(Store& store, std::vector<Bracket>& brackets) {
    brackets.clear();
    Cursor cursor(store, Porstope::keyOznaka);
    Porstope por;
    por.oznaka = 1;
    cursor.setFrom(por);
    for (;;) {
        const StoreCode c = cursor.next(por);
        if (c == StoreCode::NoMoreRecords) return StoreCode::Ok;
        if (!ok(c)) return c;
        brackets.push_back({por.stopa, por.osnovica});
    }
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
