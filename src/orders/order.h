#pragma once
// One payment order as the pre-printed HUB-3 and HUB-3A forms take it: the texts of its fields,
// already cut to the form's widths, its amount, and what its 2D code carries besides.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "records/values/date.h"
#include "records/values/dec.h"

namespace pramo {

// The pre-printed form: HUB-3 (one order per sheet of continuous paper) or HUB-3A (three orders
// to a sheet, with a place for the 2D code).
enum class OrderForm { Hub3, Hub3a };

// What an order pays: the payee's net amount, an item's tax and surtax, or a payment's sum of one
// contribution.
enum class OrderKind { Payee, Tax, PillarI, PillarII, Health };

// Any sum of a payment's lines fits, and so does the 2D code's fifteen-digit amount.
using OrderAmount = Dec<15, 2>;

// The fields of an order, in the order the text form lists them.
enum class Field {
    Iznos,         // the amount as printed
    Uplatitelj,    // payer's name
    Adresau,       // payer's street and house number
    Mjestou,       // payer's place
    Zirou,         // payer's IBAN
    Modelu,        // payer's model
    Pozivu,        // payer's reference (HUB-3A only)
    Primatelj,     // first line of the recipient block
    Adresap,       // second line
    Mjestop,       // third line
    Zirop,         // recipient's IBAN
    Modelp,        // recipient's model
    Pozivp,        // recipient's reference
    Opisplacanja,  // description of the payment
    Nazivodrezak,  // the payer as the receipt stub names it
};
inline constexpr std::size_t fieldCount = 15;

// The field's name in the text form ("UPLATITELJ") and its width in characters on the form.
std::string_view fieldName(Field field);
std::size_t fieldWidth(Field field, OrderForm form);

// Name, street and place of a party as the 2D code carries them.
struct CodeParty {
    std::string name;
    std::string street;
    std::string place;
};

// What an order shows for the recipient's account when it has no whole IBAN to pay to (a payee
// without an account, a municipality without its tax account); such an order has no 2D code.
inline constexpr std::string_view missingAccount = "NEDOSTAJE RAČUN";

// True when `iban` is a whole Croatian IBAN: "HR", check digits that are right, the seven-digit
// bank code and the ten-digit account.
bool wholeHrIban(std::string_view iban);

struct PaymentOrder {
    OrderKind kind = OrderKind::Payee;
    OrderAmount amount;
    std::array<std::string, fieldCount> fields{};
    CodeParty payer;
    CodeParty recipient;
    std::string purpose;  // the code's purpose code
    Date datum;           // the payment's date: it decides the code's currency
    bool toAccount = true;  // paid into the recipient's account (not a payee paid in cash or in kind)

    const std::string& operator[](Field f) const { return fields[static_cast<std::size_t>(f)]; }
    std::string& operator[](Field f) { return fields[static_cast<std::size_t>(f)]; }
};

// The text with trailing blanks dropped, cut to `width` characters (the cut never splits a letter).
std::string cutText(std::string_view text, std::size_t width);

// The amount as the forms print it: a point between thousands and a decimal comma, right-aligned
// in ten characters with leading asterisks ("**1.234,50"). An amount that needs more than ten
// characters is written in full, never cut ("1.234.567,89"): an order must never show an amount
// other than the one to pay.
std::string orderAmountText(OrderAmount amount);

}  // namespace pramo
