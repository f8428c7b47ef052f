#pragma once
// The calculation engine of an income item, without any I/O: from the income type's rates, the
// payee's surtax rate, pension option and allowance factor, and the tax brackets, it derives every
// working value and the amounts of positions 1 to 12 from the net amount (or from a gross amount).
// Each step's expression is evaluated exactly and rounded once, halves away from zero, into the
// width of the value it sets. A divisor of zero makes that step 0 and raises flags.divByZero; a
// result too wide for its field raises flags.overflow (the caller must not store the results then).

#include <vector>

#include "payments/working_values.h"
#include "records/values/dec.h"

namespace pramo {

struct Vrstedoh;

// The percentages of an income type.
struct Rates {
    Rate neoporezividio;         // non-taxable part, of the gross
    Rate priznatitroskovi;       // recognised expenses
    Rate mirovinskoistup;        // pension pillar I, of the contribution base
    Rate mirovinskoiistup;       // pension pillar II, of the contribution base
    Rate zdravstveno;            // health insurance, of the contribution base
    Rate poreznastopa;           // income-tax rate (single-rate types)
};

Rates ratesOf(const Vrstedoh& vrs);

// One tax bracket: its rate and the cumulative taxable base up to which it applies.
struct Bracket {
    Rate stopa;
    Amount9 osnovica;
};

// Everything a calculation reads besides the amount it starts from.
struct Terms {
    Rates rates;
    Rate7 stopaprireza;              // surtax rate of the payee's municipality of residence
    bool bezPrireza = false;         // no surtax at all (from 2024): the tax is the rate times the income, rounded once
    bool drugiStup = true;           // false: the payee is not in pillar II, which moves into pillar I
    bool visestopa = false;          // tax by brackets with a personal allowance
    Rate7 osobniodbitak;             // allowance base of the type (multiple rates)
    Rate faktorodbitka;              // the payee's allowance factor (multiple rates)
    std::vector<Bracket> brackets;   // in ascending order of their bounds (multiple rates)
};

// IZRACUN: single rate, from the net amount. Also sets loc.kstopa from the year of today's date.
Lines izracun(const Terms& t, Money neto, int year, Loc& loc, Flags& flags);
// VISESTOPA: tax by brackets with a personal allowance, from the net amount. loc.kstopa is kept.
Lines visestopa(const Terms& t, Money neto, Loc& loc, Flags& flags);
// IZBRUTA: the net amount that the gross amount yields (into loc.neto), then IZRACUN from it.
Lines izbruta(const Terms& t, Money bruto, int year, Loc& loc, Flags& flags);
// VISESTOPA or IZRACUN, as the type says.
Lines calculate(const Terms& t, Money neto, int year, Loc& loc, Flags& flags);

// The crisis-tax rate for a net amount when today's date falls in `year`.
CrisisRate crisisRate(Money neto, int year);

// KRIZNICA: the crisis tax of loc.neto at loc.kstopa (kept in loc.kriznica) and the net after it.
struct CrisisLines {
    Money kriznica;          // position 13
    Money poslijeKriznice;   // position 14
};
CrisisLines kriznica(Loc& loc, Flags& flags);

}  // namespace pramo
