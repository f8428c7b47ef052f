#pragma once
// The one reader of what an income item refers to: its payee, the payee's place with the place's
// municipality, street and bank, the income type, the calculation lines and the payment method;
// and of what a payer refers to (place, municipality, street, bank). The caller says what it
// wants; every record wanted is there when its register has it and absent when not (a dangling
// number is something found, for the document to judge); a read that fails names its file.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "records/layouts/banke.h"
#include "records/layouts/dohoci.h"
#include "records/layouts/isplate.h"
#include "records/layouts/mjesta.h"
#include "records/layouts/obracun.h"
#include "records/layouts/opcine.h"
#include "records/layouts/osobe.h"
#include "records/layouts/subjekti.h"
#include "records/layouts/ulice.h"
#include "records/layouts/vrstedoh.h"
#include "records/store/store.h"

namespace pramo {

// What a reader is asked for. The payee is read whenever anything of the payee's is wanted.
struct Wants {
    bool payee = false;
    bool place = false;  // the place and its municipality
    bool street = false;
    bool bank = false;
    bool type = false;
    bool lines = false;
    bool method = false;
};

// Where a payee or a payer is: each record absent when not wanted or not in its register.
struct PartyLinks {
    std::optional<Mjesta> mje;
    std::optional<Opcine> opc;  // the place's municipality
    std::optional<Ulice> uli;
    std::optional<Banke> ban;
};

struct ItemContext : PartyLinks {
    Dohoci doh;
    std::optional<Osobe> oso;
    std::optional<Vrstedoh> vrs;
    std::vector<Obracun> lines;  // in the order they were added
    std::int16_t method = 0;     // payment method; 2 when the item has none
};

struct PayerContext : PartyLinks {
    std::optional<Subjekti> sub;
};

// Reads item after item with the same wants. The records of the registers it reads (payees,
// places, municipalities, streets, banks, income types) it keeps while it lives, so that a
// document, whose items share a few of them, reads each once; it lives for one document, so
// nothing kept goes stale. The context it fills is the caller's, so one can serve a whole walk.
class ItemReader {
public:
    ItemReader(Store& store, Wants wants);

    // What is wanted of item `doh`. Ok also when records are missing; a failed read answers the
    // store's code and names its file in failed().
    StoreCode read(const Dohoci& doh, ItemContext& out);
    // Every item of payment `isplata` in key order, read into one context that is handed to `f`;
    // stops at the first code `f` answers other than Ok (a failed walk of the items names DOHOCI).
    // All of it is read from one state of the books, in one read transaction.
    StoreCode forPayment(std::int32_t isplata, const std::function<StoreCode(const ItemContext&)>& f);

    // The file whose read failed first, null while none has.
    const TableDef* failed() const { return failed_; }
    Store& store() { return store_; }

    // How many records of one register it keeps at most; past that it starts again, so that a
    // payment of many payees does not make it large.
    static constexpr std::size_t keptPerRegister = 1024;

private:
    template <class R>
    using Kept = std::unordered_map<std::int64_t, std::optional<R>>;

    template <class R>
    bool kept(std::int64_t number, std::optional<R>& out);
    StoreCode fail(const TableDef& file);

    Store& store_;
    Wants wants_;
    std::tuple<Kept<Osobe>, Kept<Mjesta>, Kept<Opcine>, Kept<Ulice>, Kept<Banke>, Kept<Vrstedoh>> kept_;
    const TableDef* failed_ = nullptr;
};

// The payer numbered `number` and what is wanted of its place, street and bank; `out.sub` is
// absent when there is no such payer. A failed read names its file in `failed`.
StoreCode readPayer(Store& store, std::int32_t number, Wants wants, PayerContext& out, const TableDef*& failed);

// The words a document refuses with when a record it cannot be made without is missing.
std::string missingPayer(const Isplate& isp);   // the payment names a payer the register lacks
std::string missingPayee(const Dohoci& doh);    // the item names a payee the register lacks

}  // namespace pramo
