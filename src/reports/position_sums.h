#pragma once
// Sums of stored calculation lines by position: the figures every document prints are sums of
// the lines of the items it covers, read by named position and never recomputed. A sum is exact
// and wide enough for a year of items (a single line holds at most 999.999.999,99).

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "payments/working_values.h"
#include "records/layouts/dohoci.h"
#include "documents/report_reads.h"

namespace pramo {

using Sum = Dec<18, 2>;

inline Sum plus(Sum a, Sum b) { return Sum::fromRaw(a.raw() + b.raw()); }
inline Sum minus(Sum a, Sum b) { return Sum::fromRaw(a.raw() - b.raw()); }

class PositionSums {
public:
    void add(std::uint16_t position, Money amount) { add(position, Sum::fromRaw(amount.raw())); }
    void add(std::uint16_t position, Sum amount);
    void add(const PositionSums& other);

    Sum operator[](Pozicija p) const { return at(number(p)); }
    Sum at(std::uint16_t position) const;
    // The positions with at least one line, ascending, with their sums.
    std::vector<std::pair<std::uint16_t, Sum>> all() const;

private:
    // The calculation's positions and hand lines up to 31 are kept in place (a year's rows hold
    // thousands of these); any higher position in a map.
    static constexpr std::uint16_t inPlace = 32;
    std::array<Sum, inPlace> near_{};
    std::uint32_t present_ = 0;  // bit p: position p has a line
    std::map<std::uint16_t, Sum> far_;
};

// Adds every stored line of the item to `sums` (a failed read names OBRACUN).
StoreCode addItemLines(ReportReads& reads, std::int32_t item, PositionSums& sums);

// Calls `f` for every income item of the payment in the order they were entered; stops at the
// first failure (a failed read names DOHOCI).
StoreCode forPaymentItems(ReportReads& reads, std::int32_t payment, const std::function<StoreCode(const Dohoci&)>& f);

}  // namespace pramo
