#include "reports/id1/id1_data.h"

#include <algorithm>
#include <map>

#include "payments/item_context.h"
#include "records/layouts/isplate.h"
#include "records/layouts/mjesta.h"
#include "records/layouts/subjekti.h"
#include "records/layouts/ulice.h"
#include "records/store/key_walk.h"

namespace pramo {

std::optional<std::size_t> id1AccountIndex(std::string_view account) {
    for (std::size_t i = 0; i < id1TaxAccounts; ++i) {
        if (!account.empty() && id1Accounts[i] == account) return i;
    }
    return std::nullopt;
}

std::string id1Telefon(std::uint16_t pozivni, std::string_view broj) {
    return "+385(" + std::to_string(pozivni) + ")" + std::string(broj);
}

const std::vector<const TableDef*>& id1DataFiles() {
    static const std::vector<const TableDef*> files{&Subjekti::table, &Mjesta::table, &Opcine::table, &Ulice::table,
                                                    &Isplate::table,  &Dohoci::table, &Obracun::table, &Osobe::table,
                                                    &Vrstedoh::table};
    return files;
}

namespace {

constexpr Wants id1Item{.place = true, .type = true, .lines = true};

// The payer's payments of the year with their items, by payee.
class Id1Reader {
public:
    explicit Id1Reader(Store& store) : reader_(store, id1Item) {}

    StoreCode read(std::int32_t payer, int year) {
        return walkNumber(reader_.store(), Isplate::keyIsplatitelj, Isplate{.isplatitelj = payer}, [&](const Isplate& isp) {
            return isp.datum.year() == year ? reader_.forPayment(isp.oznaka, [this](const ItemContext& c) { return add(c); })
                                            : StoreCode::Ok;
        });
    }
    std::map<std::int32_t, Id1Payee>& payees() { return payees_; }
    std::string refusal;

private:
    StoreCode add(const ItemContext& c) {
        if (!c.oso) {
            refusal = missingPayee(c.doh);
            return StoreCode::NotFound;
        }
        Id1Payee& p = payees_.try_emplace(c.doh.djelatnik, Id1Payee{.oso = *c.oso, .opc = c.opc}).first->second;
        p.items.push_back({.doh = c.doh, .vrs = c.vrs, .lines = c.lines});
        return StoreCode::Ok;
    }

    ItemReader reader_;
    std::map<std::int32_t, Id1Payee> payees_;
};

}  // namespace

StoreCode readId1Payees(Store& store, std::int32_t payer, int year, std::vector<Id1Payee>& out, std::string& refusal) {
    out.clear();
    Id1Reader reader(store);
    const StoreCode c = reader.read(payer, year);
    refusal = reader.refusal;
    if (!ok(c)) return c;
    std::vector<std::pair<Position, Id1Payee*>> found;
    for (auto& [djelatnik, p] : reader.payees()) found.emplace_back(store.position(Osobe::keyPrezimeIme, p.oso), &p);
    std::ranges::sort(found, {}, [](const auto& f) { return std::tie(f.first.sortValue, f.first.id); });
    for (auto& f : found) out.push_back(std::move(*f.second));
    return StoreCode::Ok;
}

}  // namespace pramo
