#pragma once
// The calculation lines of an income item (OBRACUN, one amount per position) and its auxiliary
// slot 1, the JOPPD payment method (SVASTA). Every document reads the stored lines; none
// recomputes them.

#include <cstdint>
#include <vector>

#include "payments/working_values.h"
#include "records/layouts/obracun.h"
#include "records/store/store.h"

namespace pramo {

// Sets the amount of one line: rewrites the line when it exists, adds it otherwise.
StoreCode writeLine(Store& store, std::int32_t item, Pozicija position, Money amount);
// The same for a line numbered by hand (any position, also outside the named ones).
StoreCode writeLine(Store& store, std::int32_t item, std::uint16_t position, Money amount);
// Writes positions 1 to 12 in ascending order; lines of other positions are not touched, nor a
// line that already holds its amount. The caller frames it in a transaction. With Lines{} it
// gives a new item its twelve lines of 0.
StoreCode writeLines(Store& store, std::int32_t item, const Lines& lines);

// One line by item and position (35 when the item has no line of that position).
StoreCode readLine(Store& store, std::int32_t item, Pozicija position, Obracun& line);
// The amount of one line; zero when the item has no line of that position.
StoreCode readAmount(Store& store, std::int32_t item, Pozicija position, Money& amount);
// All lines of an item in the order they were added, by one read that ends at the item's last
// line. The file's shared order is left where it was.
StoreCode readLines(Store& store, std::int32_t item, std::vector<Obracun>& lines);

// The payment methods 1 to 7 offered for an item, and the one documents use when it has none.
inline constexpr std::int16_t firstPaymentMethod = 1;
inline constexpr std::int16_t lastPaymentMethod = 7;
inline constexpr std::int16_t defaultPaymentMethod = 2;

// Whether a payment method pays into the recipient's account (current or business account, or
// another cashless payment to an account), not in cash, in kind, by enforcement or by clearing.
inline bool paidToAccount(std::int16_t method) { return method >= 1 && method <= 3; }

// The item's payment method; defaultPaymentMethod when the item has no slot 1.
StoreCode readPaymentMethod(Store& store, std::int32_t item, std::int16_t& method);

enum class MethodWrite { Written, NotChosen, Failed };
// Writes slot 1 (add or rewrite). A method outside 1 to 7 (0: none chosen) writes nothing and
// answers NotChosen; Failed leaves the store's error in store.error().
MethodWrite writePaymentMethod(Store& store, std::int32_t item, std::int16_t method);

}  // namespace pramo
