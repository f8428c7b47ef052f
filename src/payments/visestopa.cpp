// VISESTOPA: tax by brackets with a personal allowance, from the net amount. Bracket by bracket,
// it asks how much taxable base the net still unallotted needs, caps it at the bracket's width,
// and allots the net that this base yields. Net left after the last bracket bears no tax.

#include "payments/engine_steps.h"

namespace pramo {

using steps::pct;

namespace {

// The allowance takes part in the first bracket only, and never exceeds the net.
Money allowanceUsed(const Terms& t, Money neto, Flags& f) {
    const Money odb = round<Money>(Exact{t.faktorodbitka} * t.osobniodbitak, f);
    return neto < odb ? neto : odb;
}

void startBrackets(const Terms& t, Loc& loc, Flags& f) {
    loc.razredi.assign(t.brackets.size(), BracketShare{});
    loc.odb = allowanceUsed(t, loc.neto, f);
    loc.osnovica = loc.netosum = loc.porez = loc.prirez = Money{};
}

// One bracket with the allowance `odb` it takes part in: `unallotted` is the net still to be
// allotted when it starts, and after it.
void allotBracket(const Bracket& b, Money odb, Loc& loc, BracketShare& s, Money& unallotted, Flags& f) {
    loc.ppp = round<Factor>(pct(b.stopa) * loc.i, f);
    loc.posn = round<Money>((Exact{unallotted} - Exact{odb} * loc.ppp) / (1 - Exact{loc.ppp}) - odb, f);
    loc.raspon = round<Money>(Exact{b.osnovica} - loc.osnovica, f);
    loc.osnovica = round<Money>(b.osnovica, f);
    s.osnova = loc.posn <= loc.raspon ? loc.posn : loc.raspon;
    s.porezz = round<Money>(Exact{s.osnova} * loc.ppp, f);
    s.netto = round<Money>(Exact{s.osnova} + odb - s.porezz, f);
    loc.netosum = round<Money>(Exact{loc.netosum} + s.netto, f);
    unallotted = round<Money>(Exact{loc.neto} - loc.netosum, f);
    loc.porez = round<Money>(Exact{loc.porez} + s.porezz, f);
}

// The brackets' tax holds tax and surtax together: the split fixes the tax, and the surtax is
// then computed from the tax.
void splitTax(const Terms& t, Loc& loc, Flags& f) {
    loc.prirez = round<Money>(Exact{loc.porez} - Exact{loc.porez} / loc.i, f);
    loc.porez = round<Money>(Exact{loc.porez} - loc.prirez, f);
    loc.prirez = round<Money>(pct(t.stopaprireza) * loc.porez, f);
    loc.doh = round<Money>(Exact{loc.neto} + loc.porez + loc.prirez, f);
}

// Contribution base and gross from the income; here the two deductions multiply.
void grossFromIncome(const Terms& t, Loc& loc, Flags& f) {
    const Rates& r = t.rates;
    loc.odq = round<Factor>((1 - pct(r.neoporezividio)) * (1 - pct(r.priznatitroskovi)), f);
    steps::pensionFactors(t, loc, f);
    loc.od = round<Money>(Exact{loc.doh} / loc.dohq, f);
    loc.bruto = round<Money>(Exact{loc.od} / loc.odq, f);
    steps::contributions(t, loc, f);
}

// The parts of the re-formed gross: expenses are a share of the gross less the non-taxable part.
void multiRateParts(const Terms& t, Loc& loc, Flags& f) {
    const Rates& r = t.rates;
    loc.neopdio = round<Money>(pct(r.neoporezividio) * loc.bruto, f);
    loc.priznatitroskovi = round<Money>((Exact{loc.bruto} - loc.neopdio) * r.priznatitroskovi / 100, f);
    loc.od = round<Money>(Exact{loc.bruto} - loc.priznatitroskovi - loc.neopdio, f);
    loc.zdravstveno = round<Money>(Exact{r.zdravstveno} * loc.od / 100, f);
}

}  // namespace

Lines visestopa(const Terms& t, Money neto, Loc& loc, Flags& flags) {
    loc.neto = neto;
    steps::surtaxFactor(t, loc, flags);
    startBrackets(t, loc, flags);
    Money unallotted = neto;
    for (std::size_t k = 0; k < t.brackets.size(); ++k)
        allotBracket(t.brackets[k], k == 0 ? loc.odb : Money{}, loc, loc.razredi[k], unallotted, flags);
    splitTax(t, loc, flags);
    grossFromIncome(t, loc, flags);
    steps::reformGross(loc, flags);
    multiRateParts(t, loc, flags);
    return steps::linesOf(loc, loc.odb);
}

}  // namespace pramo
