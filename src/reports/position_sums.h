#pragma once
// Sums of stored calculation lines by position: the figures every document prints are sums of
// the lines of the items it covers, read by named position and never recomputed. Each sum is a
// Total, wide enough for a year of items; one that overflows is told by overflowed().

#include <array>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "payments/working_values.h"
#include "documents/report_reads.h"
#include "records/layouts/dohoci.h"
#include "records/layouts/obracun.h"

namespace pramo {

class PositionSums {
public:
    PositionSums() = default;
    explicit PositionSums(const std::vector<Obracun>& lines) { add(lines); }

    void add(const std::vector<Obracun>& lines);
    void add(std::uint16_t position, const Total& amount);
    void add(const PositionSums& other);

    Total operator[](Pozicija p) const { return at(number(p)); }
    Total at(std::uint16_t position) const;
    // The positions with at least one line, ascending, with their sums.
    std::vector<std::pair<std::uint16_t, Total>> all() const;
    bool overflowed() const;

private:
    // The calculation's positions and hand lines up to 31 are kept in place (a year's rows hold
    // thousands of these); any higher position in a map.
    static constexpr std::uint16_t inPlace = 32;
    std::array<Total, inPlace> near_{};
    std::uint32_t present_ = 0;  // bit p: position p has a line
    std::map<std::uint16_t, Total> far_;
};

}  // namespace pramo
