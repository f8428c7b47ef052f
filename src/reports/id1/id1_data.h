#pragma once
// What an ID-1 return is made of: every payee a payer paid in a year, with the income items of
// that year and their stored calculation lines, in the order of the payees' surnames and first
// names. The XML return and the printed form both start from it and form their sums their own way.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/layouts/dohoci.h"
#include "records/layouts/obracun.h"
#include "records/layouts/opcine.h"
#include "records/layouts/osobe.h"
#include "records/layouts/vrstedoh.h"
#include "records/store/store.h"

namespace pramo {

// The revenue accounts into which income tax and surtax are paid, in the order of the form's
// columns, and the account of the crisis tax, which only the XML return carries.
inline constexpr std::size_t id1TaxAccounts = 14;
inline constexpr std::array<std::string_view, id1TaxAccounts + 1> id1Accounts{
    "1422", "1805", "1457", "1465", "1473", "1546", "1570", "1589",
    "1597", "1600", "1813", "1821", "1830", "1848", "1902"};
inline constexpr std::size_t id1CrisisAccount = id1TaxAccounts;  // index of "1902"

// The index of a tax account among the fourteen; nullopt for a blank or unknown account.
std::optional<std::size_t> id1AccountIndex(std::string_view account);

struct Id1Item {
    Dohoci doh;
    std::optional<Vrstedoh> vrs;  // none when the item's income type is missing
    std::vector<Obracun> lines;
};

struct Id1Payee {
    Osobe oso;
    std::optional<Opcine> opc;  // municipality of the payee's place
    std::vector<Id1Item> items;
};

// A contact telephone as the return and the cover letter give it: "+385(1)4567890".
std::string id1Telefon(std::uint16_t pozivni, std::string_view broj);

// The files an ID-1 reads (besides ID1 itself).
const std::vector<const TableDef*>& id1DataFiles();

// Every payee with at least one income item in a payment of `payer` dated in `year`, in the
// order of OSO:KEYPREZIMEIME. An item whose payee is not in the register cannot be reported: it
// is named in `refusal`, and NotFound is answered.
StoreCode readId1Payees(Store& store, std::int32_t payer, int year, std::vector<Id1Payee>& out, std::string& refusal);

}  // namespace pramo
