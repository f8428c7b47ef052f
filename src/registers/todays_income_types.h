#pragma once
// The income types of today's rules, declared once: the contributions of 2017 on (pension pillar I
// 7,5 %, pillar II 2,5 %, 10 % for a payee outside pillar II, health 7,5 %), author's expenses of
// 2017 on, and from 2024 the tax at the lower rate of the payee's municipality (POREZOPCINE "DA";
// the type's own 20 % is the rate of 2021 to 2023 and is taken for payments dated before 2024).
// New books may start from them as they are, and the example office uses them.

#include <vector>

#include "records/layouts/vrstedoh.h"

namespace pramo {

// Numbered from 1; payments go to the payer's accounts ("I"), tax to the revenue account of other
// income (1422), each with its JOPPD codes.
const std::vector<Vrstedoh>& todaysIncomeTypes();

}  // namespace pramo
