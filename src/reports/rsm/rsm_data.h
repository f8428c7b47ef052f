#pragma once
// What the R-Sm form of a payment is made of: every income item of the payment (one insured
// person each, also when a payee has two items) with its payee, the municipality of work and the
// amounts of its stored calculation lines.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "payments/item_context.h"
#include "records/layouts/dohoci.h"
#include "records/layouts/opcine.h"
#include "records/layouts/osobe.h"
#include "records/layouts/subjekti.h"
#include "records/layouts/vrstedoh.h"
#include "records/store/store.h"

namespace pramo {

struct RsmItem {
    Dohoci doh;
    Osobe oso;
    std::optional<Opcine> opc;    // municipality of the payee's place
    Vrstedoh vrs;                 // empty when the income type is missing
    Money osnovica;               // contribution base (position 4)
    Money mirovinskoI;            // pillar I (5)
    Money mirovinskoII;           // pillar II (6)
    Money isplaceno;              // paid out: net (10) less the crisis tax (13)
};

// The payment with its payer and items, as the form reads them.
struct RsmPayment {
    PayerContext payer;           // with the place and street
    std::vector<RsmItem> items;   // in the order of DOH:KEYISPLATA
    Flags flags;                  // an amount paid out that does not fit its field
    std::string refusal;          // the payer or an item's payee missing, named
    const TableDef* failed = nullptr;  // the file a failed read came from
};

// Reads what the form of payment `isp` shows. A record the form cannot be made without (the
// payer, an item's payee) that is missing answers NotFound with the refusal.
StoreCode readRsm(Store& store, const Isplate& isp, RsmPayment& out);

// Rows on one page B, and how many pages B the items fill.
inline constexpr int rsmRowsPerPageB = 11;
int rsmPagesB(std::size_t items);

// How the form identifies a payer or a payee: the OIB, or the older number when there is none.
std::string rsmPayerNumber(const Subjekti& sub);
std::string rsmPayeeNumber(const Osobe& oso);
// The municipality of work: the one of the payee's place, or the code kept in the e-mail field
// when the fax field says "DA".
std::string rsmWorkMunicipality(const RsmItem& item);
// "Horvat Ivan".
std::string rsmName(const Osobe& oso);

}  // namespace pramo
