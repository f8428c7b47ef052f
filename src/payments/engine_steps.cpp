#include "payments/engine_steps.h"

#include "records/layouts/vrstedoh.h"

namespace pramo {

Rates ratesOf(const Vrstedoh& vrs) {
    return {.neoporezividio = vrs.neoporezividio,
            .priznatitroskovi = vrs.priznatitroskovi,
            .mirovinskoistup = vrs.mirovinskoistup,
            .mirovinskoiistup = vrs.mirovinskoiistup,
            .zdravstveno = vrs.zdravstvenoosiguranje,
            .poreznastopa = vrs.poreznastopa};
}

namespace steps {

void surtaxFactor(const Terms& t, Loc& loc, Flags& f) {
    loc.i = round<Factor>(pct(t.stopaprireza) + 1, f);
}

void pensionFactors(const Terms& t, Loc& loc, Flags& f) {
    const Rates& r = t.rates;
    loc.dohq = round<Factor>(1 - pct(Exact{r.mirovinskoistup} + r.mirovinskoiistup), f);
    loc.moip = round<Factor>(pct(r.mirovinskoistup), f);
    loc.moiip = round<Factor>(pct(r.mirovinskoiistup), f);
}

void contributions(const Terms& t, Loc& loc, Flags& f) {
    loc.moi = round<Money>(Exact{loc.od} * loc.moip, f);
    loc.moii = round<Money>(Exact{loc.od} * loc.moiip, f);
    if (!t.drugiStup) {  // the rounded contributions are added; the pillar I rate is not reapplied
        loc.moi = round<Money>(Exact{loc.moi} + loc.moii, f);
        loc.moii = Money{};
    }
}

void reformGross(Loc& loc, Flags& f) {
    loc.bruto = round<Money>(Exact{loc.neto} + loc.moi + loc.moii + loc.porez + loc.prirez, f);
}

Lines linesOf(const Loc& loc, Money allowanceUsed) {
    return {{loc.bruto, loc.neopdio, loc.priznatitroskovi, loc.od, loc.moi, loc.moii, loc.doh, loc.porez,
             loc.prirez, loc.neto, loc.zdravstveno, allowanceUsed}};
}

}  // namespace steps
}  // namespace pramo
