#pragma once
// The calculation cases of engine.cases: inputs and the values expected for them.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "payments/engine.h"

namespace pramo::test {

struct EngineCase {
    std::string id;
    Terms terms;
    Money neto;                  // from the net amount ...
    std::optional<Money> bruto;  // ... or from a typed gross (IZBRUTA)
    int year = 2015;
    std::map<std::string, std::string> expected;  // "1" .. "12", "I", "r1.osnova", "flags" ...
};

std::vector<EngineCase> loadEngineCases();

// The case's calculation: lines, working values and flags.
struct EngineRun {
    Lines lines;
    Loc loc;
    Flags flags;
};
EngineRun run(const EngineCase& c);

// The value named as in the cases file, as text: "1439.26", "1.1800", "divByZero".
std::string valueOf(const EngineRun& r, const std::string& name);

}  // namespace pramo::test
