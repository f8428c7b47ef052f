#include "registers/import_outcome.h"

#include "records/values/exact.h"

namespace pramo {

std::string lineProblem(int line, std::string_view text) {
    return "redak " + std::to_string(line) + ": " + std::string(text);
}

void refuseRepeatedCode(const std::string& code, int line, std::map<std::string, int>& seen, ImportOutcome& out) {
    const auto [it, fresh] = seen.try_emplace(code, line);
    if (!fresh) out.problems.push_back(lineProblem(line, "šifra '0" + code + "' već je u retku " + std::to_string(it->second)));
}

std::optional<std::int64_t> decimalCell(std::string_view text, int places, std::int64_t low, std::int64_t high) {
    if (text.empty()) return low <= 0 && 0 <= high ? std::optional<std::int64_t>(0) : std::nullopt;
    const auto e = Exact::parse(text);
    const auto raw = e ? e->roundScaled(places) : std::nullopt;
    if (!raw || !(Exact::scaled(*raw, places) == *e) || *raw < low || *raw > high) return std::nullopt;
    return raw;
}

}  // namespace pramo
