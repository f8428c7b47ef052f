#pragma once
// Rates that cannot give a calculation, found before the engine runs: a rate outside 0 to 100 %,
// two shares of the gross that add up to more than all of it, or rates that leave a negative
// share of the gross for the net (a positive net would need a negative gross). A share of exactly
// zero is left to the engine, which takes the steps it divides as 0 and says so.

#include <optional>
#include <string>

#include "payments/engine.h"

namespace pramo {

struct RatesProblem {
    enum class Source { Rates, Surtax, Brackets };
    Source source;          // which of the terms the problem is in
    std::string commandLine;  // for the command line, naming the rates as --rates names them
    std::string croatian;     // for the income item form
};

std::optional<RatesProblem> ratesProblem(const Terms& t);

}  // namespace pramo
