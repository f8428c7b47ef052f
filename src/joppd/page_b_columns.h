#pragma once
// The 38 columns of the printed JOPPD page B: their headings and the text each shows for an
// income item. The values follow the return's rules with the printed page's own differences
// (the item's own ordinal, JMBG when there is no OIB, surname first, the period by the
// non-taxable code, col. 12 kept for every category but "00", "01" and "11").

#include <array>
#include <string>
#include <string_view>

#include "payments/item_context.h"
#include "records/values/date.h"

namespace pramo {

inline constexpr std::size_t pageBColumnCount = 38;

struct PageBColumn {
    std::string_view number;   // "12.1"
    std::string_view heading;  // "12.1. Doprinos za mirovinsko osiguranje"
    bool amount = false;       // printed right-aligned
};

const std::array<PageBColumn, pageBColumnCount>& pageBColumns();

using PageBValues = std::array<std::string, pageBColumnCount>;

// What the row of item `f` of a payment made on `paid` shows; a missing record gives blanks.
PageBValues pageBValues(const ItemContext& f, Date paid);

}  // namespace pramo
