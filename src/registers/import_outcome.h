#pragma once
// What an import of a register did. An import is one transaction: when any line is refused, or
// the store fails, nothing has been written.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/store/store_code.h"

namespace pramo {

struct ImportOutcome {
    std::vector<std::string> problems;  // "redak 12: ...", in line order; nothing written when any
    StoreCode code = StoreCode::Ok;     // a failure of the store; nothing written when not Ok
    int added = 0;
    int updated = 0;
    int unchanged = 0;
    int skipped = 0;   // lines that are not records to import
    std::vector<std::string> remarks;   // things the user should know about what was written

    bool written() const { return problems.empty() && ok(code); }
};

// "redak 12: " + text.
std::string lineProblem(int line, std::string_view text);

// A decimal typed with a point or a comma, with at most `places` decimals, as a scaled integer
// within [low, high] (scaled too); nullopt otherwise. A blank cell is 0.
std::optional<std::int64_t> decimalCell(std::string_view text, int places, std::int64_t low, std::int64_t high);

}  // namespace pramo
