#pragma once
// An income item with everything the JOPPD return and its printed pages read about it: the
// payee, the payee's place and municipality, the income type, the calculation lines and the
// payment method. A record that does not exist is simply absent.

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "payments/payment_items.h"  // forEachItem, which the return and its pages walk with
#include "records/layouts/dohoci.h"
#include "records/layouts/mjesta.h"
#include "records/layouts/obracun.h"
#include "records/layouts/opcine.h"
#include "records/layouts/osobe.h"
#include "records/layouts/vrstedoh.h"
#include "records/store/store.h"

namespace pramo {

struct ItemFacts {
    Dohoci doh;
    std::optional<Osobe> oso;
    std::optional<Mjesta> mje;
    std::optional<Opcine> opc;
    std::optional<Vrstedoh> vrs;
    std::vector<Obracun> lines;  // in the order they were added
    std::int16_t method = 0;     // payment method; 2 when the item has none
};

// Reads what `doh` refers to. Ok also when records are missing; a failed read answers its code
// and names the file in `failedFile`.
StoreCode readItemFacts(Store& store, const Dohoci& doh, ItemFacts& facts, std::string_view& failedFile);

}  // namespace pramo
