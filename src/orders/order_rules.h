#pragma once
// Which account, model, reference and description each payment order carries: every rule in one
// table (order_rules.cpp) that the order sequence reads and nothing else.

#include <array>
#include <optional>
#include <string_view>

#include "orders/order.h"
#include "records/values/date.h"

namespace pramo {

// Where an order's recipient block and account come from: the payee (name, bank, own account),
// the payee's municipality (its tax account at the state treasury) or the rule itself.
enum class RecipientFrom { Payee, Municipality, Rule };

// How a payee's model is printed when the payee has none: blank, or "HR" alone.
enum class MissingModel { Blank, Hr };

struct OrderRule {
    OrderKind kind;
    std::optional<OrderForm> form{};      // the form it applies to; none: both
    std::string_view category{};          // the income type's recipient category; empty: any
    std::optional<Date> from{};           // payments dated from this day on; none: any date
    RecipientFrom recipient = RecipientFrom::Rule;
    std::array<std::string_view, 3> lines{};  // the recipient block (for a municipality the first two)
    std::string_view iban{};              // the recipient's account when the rule gives it
    std::string_view model{};             // the recipient's model; a payee's comes from the payee
    MissingModel missingModel = MissingModel::Blank;
    std::string_view reference{};         // before "payer OIB-report label"; a payee's comes from the payee
    std::string_view description{};       // before the payee's name; a payee's starts with the income type
    std::string_view purpose{};           // the 2D code's purpose code
    std::string_view payerModel = "HR99";
    std::string_view payerSuffix{};       // after "payer OIB-report label" in the payer's reference; empty: none
};

// The first rule of the table that fits. A payment without a date takes the rules of today's
// payments.
const OrderRule& orderRule(OrderKind kind, OrderForm form, std::string_view category, Date datum);

// The state treasury's bank code, between a municipality's check digits and its tax account.
inline constexpr std::string_view treasuryBank = "1001005";

}  // namespace pramo
