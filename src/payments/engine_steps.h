#pragma once
// Steps shared by the single-rate and the multiple-rate calculation (internal to the engine).

#include "payments/engine.h"

namespace pramo::steps {

// A percentage as a fraction, exactly.
inline Exact pct(const Exact& percent) { return percent / 100; }

// LOC:I, the first step of every calculation.
void surtaxFactor(const Terms& t, Loc& loc, Flags& f);
// LOC:DOHQ, LOC:MOIP and LOC:MOIIP.
void pensionFactors(const Terms& t, Loc& loc, Flags& f);
// LOC:MOI and LOC:MOII from LOC:OD; a payee outside pillar II pays both into pillar I.
void contributions(const Terms& t, Loc& loc, Flags& f);
// The gross re-formed from its rounded parts, so that it is exactly their sum.
void reformGross(Loc& loc, Flags& f);
// Positions 1 to 12 from the working values; position 12 is the allowance used.
Lines linesOf(const Loc& loc, Money allowanceUsed);

}  // namespace pramo::steps
