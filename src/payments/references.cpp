#include "payments/references.h"

#include "payments/item_context.h"
#include "records/store/key_walk.h"
#include "records/store/read_linked.h"
#include "records/layouts/obracun.h"
#include "records/layouts/porstope.h"

namespace pramo {

namespace {

LookUp failed(References& refs, const TableDef& t) {
    refs.failedFile = &t;
    return LookUp::Failed;
}

// For a type taxed at the municipality's rate: from 2024 on, the rates of the municipality of
// residence in force at the payment date.
LookUp lookUpMunicipalRate(Store& store, const Dohoci& doh, References& refs) {
    if (!ok(readLinked(store, doh.isplata, refs.isp))) return failed(refs, Isplate::table);
    if (!refs.isp || refs.isp->datum.isNull()) return LookUp::NoPaymentDate;
    if (refs.isp->datum < municipalRatesFrom()) return LookUp::Found;
    if (!refs.opc) return LookUp::NoMunicipality;
    if (refs.multiRate()) return LookUp::MunicipalMultiRate;
    if (!ok(rateInForce(store, refs.opc->shifra.view(), refs.isp->datum, refs.sto))) return failed(refs, Stopeopcina::table);
    return refs.sto ? LookUp::Found : LookUp::NoMunicipalRate;
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
    return refs.municipalType() ? lookUpMunicipalRate(store, doh, refs) : LookUp::Found;
}

TaxRateTaken taxRateTaken(const References& refs) {
    if (!refs.sto) return {.rate = refs.vrs.poreznastopa, .surtax = refs.surtaxRate()};
    return {.basis = TaxBasis::Municipality, .rate = refs.sto->nizastopa, .from = refs.sto->vrijediod,
            .opcina = refs.opc ? refs.opc->naziv.str() : std::string()};
}

const std::vector<const TableDef*>& calculationFiles() {
    static const std::vector<const TableDef*> files{&Dohoci::table,   &Obracun::table,  &Osobe::table,
                                                    &Mjesta::table,   &Opcine::table,   &Vrstedoh::table,
                                                    &Porstope::table, &Isplate::table, &Stopeopcina::table};
    return files;
}

StoreCode readBrackets(Store& store, std::vector<Bracket>& brackets) {
    brackets.clear();
    return walkAll<Porstope>(store, Porstope::keyOznaka, [&](const Porstope& por) {
        brackets.push_back({por.stopa, por.osnovica});
    });
}

Terms termsOf(const References& refs) {
    const TaxRateTaken taken = taxRateTaken(refs);
    Rates rates = ratesOf(refs.vrs);
    rates.poreznastopa = taken.rate;
    return {.rates = rates,
            .stopaprireza = taken.surtax,
            .bezPrireza = taken.basis == TaxBasis::Municipality,
            .drugiStup = refs.oso.drugistup.view() != "NE",
            .visestopa = refs.multiRate(),
            .osobniodbitak = refs.vrs.osobniodbitak,
            .faktorodbitka = refs.oso.faktorodbitka,
            .brackets = refs.brackets};
}

}  // namespace pramo
