#pragma once
// The texts documents build from records (beside pageText, a field as a QString): a person's name,
// an address, a rate in a sentence. Each takes the stored values as they are and drops trailing blanks.

#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

#include "records/values/number_format.h"
#include "documents/report_reads.h"
#include "payments/item_context.h"
#include "preview/form_drawing.h"

namespace pramo {

// "Ivan Horvat": first name and surname joined by one blank.
QString personName(std::string_view ime, std::string_view prezime);

// "Zagreb, Ilica 1": the place's name, then the street's name and the house number; a blank part
// is left out with the separator before it.
std::string addressText(std::string_view place, std::string_view street, std::string_view houseNumber);
// The same of a payee's or payer's records as read: a place or a street not in its register
// leaves its part out (the house number with the street).
std::string addressOf(const PartyLinks& at, std::string_view kucniBroj);
// A payer's address as the returns give it (ID-1, R-Sm, the cover letter): the house number is
// written also when the street is not in the register.
std::string payerAddress(const PayerContext& payer);

// A rate as a plain number: "25", "12,5".
template <class D>
QString plainRate(const D& rate) {
    return pageText(plainNumber(rate));
}

}  // namespace pramo
