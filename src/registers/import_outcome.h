#pragma once
// What an import of a register did. An import is one transaction: when any line is refused, or
// the store fails, nothing has been written.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/store/store.h"
#include "registers/delimited_text.h"

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

// A municipality's code met on an earlier line (`seen` maps the four-digit codes to their lines) is
// refused, naming both lines.
void refuseRepeatedCode(const std::string& code, int line, std::map<std::string, int>& seen, ImportOutcome& out);

// An import of a text file: refused as a whole when it is not UTF-8, then read into rows by
// `parse` (which names each line it cannot take), and only when every line was taken written by
// `write` in one transaction.
template <class Row>
ImportOutcome importText(Store& store, std::string_view text,
                         const std::function<std::vector<Row>(std::string_view, ImportOutcome&)>& parse,
                         const std::function<StoreCode(const std::vector<Row>&, ImportOutcome&)>& write) {
    ImportOutcome out;
    if (auto problem = encodingProblem(text)) {
        out.problems.push_back(*problem);
        return out;
    }
    const std::vector<Row> rows = parse(text, out);
    if (!out.problems.empty()) return out;
    out.code = inTransaction(store, [&] { return write(rows, out); });
    return out;
}

// A decimal typed with a point or a comma, with at most `places` decimals, as a scaled integer
// within [low, high] (scaled too); nullopt otherwise. A blank cell is 0.
std::optional<std::int64_t> decimalCell(std::string_view text, int places, std::int64_t low, std::int64_t high);

}  // namespace pramo
