#pragma once
// The HUB-3 2D code of a payment order: the content a bank's scanner or app reads off the form
// (fourteen fields, each cut to its length and ended by a line feed) and the PDF417 symbol that
// carries it.

#include <QRectF>
#include <optional>
#include <string>
#include <string_view>

#include "orders/order.h"
#include "preview/page.h"

namespace pramo {

// The code's content, in UTF-8. The currency is HRK for payments dated before 1 January 2023
// and EUR from then on (and for a payment without a date); the amount is in cents, fifteen digits.
// Nullopt for a negative amount, which the code cannot carry, and for an order without the
// recipient's whole IBAN, which the code must not carry.
std::optional<std::string> hub3Content(const PaymentOrder& order);

// The content as the symbol carries it: ISO 8859-2, one byte per character. A character that
// set does not have becomes '?'.
std::string latin2FromUtf8(std::string_view utf8);
// And back, for reading a symbol.
std::string utf8FromLatin2(std::string_view latin2);

// The PDF417 symbol of `bytes` as a module grid as large as fits `area` (top left), with rows
// three modules high. Nullopt when the bytes cannot be encoded (`error` says why).
std::optional<PageModules> pdf417Symbol(std::string_view bytes, const QRectF& area, std::string& error);

}  // namespace pramo
