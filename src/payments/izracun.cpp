// IZRACUN (single rate, from the net amount), IZBRUTA (from a gross amount), the crisis tax, and
// the choice between the single-rate and the multiple-rate calculation.

#include "payments/engine_steps.h"

namespace pramo {

using steps::pct;

namespace {

// The factors of a single-rate type: contribution base share, pension shares, tax with surtax.
void singleRateFactors(const Terms& t, Loc& loc, Flags& f) {
    steps::surtaxFactor(t, loc, f);
    loc.odq = round<Factor>(1 - pct(t.rates.neoporezividio) - pct(t.rates.priznatitroskovi), f);
    steps::pensionFactors(t, loc, f);
    loc.ppp = round<Factor>(pct(t.rates.poreznastopa) * loc.i, f);
}

// The share of the gross that is paid out as net.
Exact netShare(const Loc& loc) {
    return 1 - Exact{loc.odq} * (Exact{loc.moip} + loc.moiip + Exact{loc.dohq} * loc.ppp);
}

// Gross from net, then the contribution base and the pension contributions that follow from it.
void grossFromNet(const Terms& t, Loc& loc, Flags& f) {
    loc.bruto = round<Money>(Exact{loc.neto} / netShare(loc), f);
    loc.od = round<Money>(Exact{loc.odq} * loc.bruto, f);
    steps::contributions(t, loc, f);
}

// Income, tax and surtax. With a surtax rate of 0, a surtax below zero (a rounding remainder)
// goes into the tax; where there is no surtax at all there is no remainder to move.
void taxAndSurtax(const Terms& t, Loc& loc, Flags& f) {
    loc.doh = round<Money>(Exact{loc.od} - loc.moi - loc.moii, f);
    loc.porez = round<Money>(pct(t.rates.poreznastopa) * loc.doh, f);
    if (t.bezPrireza) {
        loc.prirez = Money{};
        return;
    }
    loc.prirez = round<Money>(Exact{loc.doh} * loc.ppp - loc.porez, f);
    if (t.stopaprireza.isZero() && loc.prirez < Money{}) {
        loc.porez = round<Money>(Exact{loc.porez} + loc.prirez, f);
        loc.prirez = Money{};
    }
}

// The parts of the re-formed gross. Contributions, tax and surtax stay as computed before.
void singleRateParts(const Terms& t, Loc& loc, Flags& f) {
    loc.neopdio = round<Money>(pct(t.rates.neoporezividio) * loc.bruto, f);
    loc.priznatitroskovi = round<Money>(pct(t.rates.priznatitroskovi) * loc.bruto, f);
    loc.od = round<Money>(Exact{loc.bruto} - loc.neopdio - loc.priznatitroskovi, f);
    loc.doh = round<Money>(Exact{loc.od} - loc.moi - loc.moii, f);
    loc.zdravstveno = round<Money>(Exact{t.rates.zdravstveno} * loc.od / 100, f);
}

}  // namespace

Lines izracun(const Terms& t, Money neto, int year, Loc& loc, Flags& flags) {
    loc.neto = neto;
    singleRateFactors(t, loc, flags);
    grossFromNet(t, loc, flags);
    taxAndSurtax(t, loc, flags);
    steps::reformGross(loc, flags);
    singleRateParts(t, loc, flags);
    loc.kstopa = crisisRate(loc.neto, year);
    return steps::linesOf(loc, Money{});
}

Lines izbruta(const Terms& t, Money bruto, int year, Loc& loc, Flags& flags) {
    singleRateFactors(t, loc, flags);
    const Money neto = round<Money>(netShare(loc) * bruto, flags);
    return izracun(t, neto, year, loc, flags);
}

Lines calculate(const Terms& t, Money neto, int year, Loc& loc, Flags& flags) {
    return t.visestopa ? visestopa(t, neto, loc, flags) : izracun(t, neto, year, loc, flags);
}

CrisisRate crisisRate(Money neto, int year) {
    const bool applies = neto > Money::whole(6000) && year <= 2010;
    return CrisisRate::whole(applies ? 4 : 0);
}

CrisisLines kriznica(Loc& loc, Flags& flags) {
    loc.kriznica = round<Money>(Exact{loc.neto} * loc.kstopa / 100, flags);
    return {loc.kriznica, round<Money>(Exact{loc.neto} - loc.kriznica, flags)};
}

}  // namespace pramo
