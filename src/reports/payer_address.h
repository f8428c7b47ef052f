#pragma once
// A payer's address as the printed forms give it: "place, street house-number", and the
// municipality of the payer's place (whose tax office the cover letter names).

#include <optional>
#include <string>

#include "records/layouts/mjesta.h"
#include "records/layouts/opcine.h"
#include "records/layouts/subjekti.h"
#include "records/layouts/ulice.h"
#include "records/store/store.h"

namespace pramo {

struct PayerPlace {
    std::optional<Mjesta> mje;
    std::optional<Ulice> uli;
    std::optional<Opcine> opc;
};

// The payer's place, street and the place's municipality; each one missing is left empty.
StoreCode readPayerPlace(Store& store, const Subjekti& sub, PayerPlace& out);

// "Zagreb, Ilica 1" (addressText): place name, ", ", street name, one blank, house number.
std::string payerAddress(const Subjekti& sub, const PayerPlace& place);

}  // namespace pramo
