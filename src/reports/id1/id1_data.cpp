#include "reports/id1/id1_data.h"

#include <algorithm>
#include <map>

#include "payments/lines.h"
#include "records/layouts/isplate.h"
#include "records/layouts/mjesta.h"
#include "records/layouts/subjekti.h"
#include "records/layouts/ulice.h"
#include "records/store/read_linked.h"
#include "reports/key_walk.h"

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

// Income items of the year grouped by payee number; income types read once each.
class ItemReader {
public:
    explicit ItemReader(Store& store) : store_(store) {}

    StoreCode payment(std::int32_t isplata) {
        return walkKey<Dohoci>(
            store_, Dohoci::keyIsplata, Dohoci{.isplata = isplata},
            [isplata](const Dohoci& doh) { return doh.isplata == isplata; },
            [this](const Dohoci& doh) { return item(doh); });
    }
    std::map<std::int32_t, std::vector<Id1Item>>& byPayee() { return byPayee_; }

private:
    StoreCode item(const Dohoci& doh) {
        Id1Item it{.doh = doh};
        StoreCode c = type(doh.vrstadohotka, it.vrs);
        if (ok(c)) c = readLines(store_, doh.oznaka, it.lines);
        if (ok(c)) byPayee_[doh.djelatnik].push_back(std::move(it));
        return c;
    }
    StoreCode type(std::uint8_t oznaka, std::optional<Vrstedoh>& out) {
        if (const auto known = types_.find(oznaka); known != types_.end()) {
            out = known->second;
            return StoreCode::Ok;
        }
        const StoreCode c = readLinked(store_, oznaka, out);
        if (ok(c)) types_.emplace(oznaka, out);
        return c;
    }

    Store& store_;
    std::map<std::uint8_t, std::optional<Vrstedoh>> types_;
    std::map<std::int32_t, std::vector<Id1Item>> byPayee_;
};

StoreCode readItems(Store& store, std::int32_t payer, int year, ItemReader& reader) {
    return walkKey<Isplate>(
        store, Isplate::keyIsplatitelj, Isplate{.isplatitelj = payer},
        [payer](const Isplate& isp) { return isp.isplatitelj == payer; },
        [&](const Isplate& isp) { return isp.datum.year() == year ? reader.payment(isp.oznaka) : StoreCode::Ok; });
}

StoreCode municipalityOf(Store& store, const Osobe& oso, std::optional<Opcine>& opc) {
    std::optional<Mjesta> mje;
    StoreCode c = readLinked(store, oso.mjesto, mje);
    opc.reset();
    if (ok(c) && mje) c = readLinked(store, mje->opcina, opc);
    return c;
}

}  // namespace

StoreCode readId1Payees(Store& store, std::int32_t payer, int year, std::vector<Id1Payee>& out) {
    out.clear();
    ItemReader reader(store);
    if (const StoreCode c = readItems(store, payer, year, reader); !ok(c)) return c;
    std::vector<std::pair<Position, Id1Payee>> found;
    for (auto& [djelatnik, items] : reader.byPayee()) {
        std::optional<Osobe> oso;
        StoreCode c = readLinked(store, djelatnik, oso);
        if (ok(c) && !oso) continue;
        Id1Payee p{.oso = oso.value_or(Osobe{}), .items = std::move(items)};
        if (ok(c)) c = municipalityOf(store, p.oso, p.opc);
        if (!ok(c)) return c;
        found.emplace_back(store.position(Osobe::keyPrezimeIme, p.oso), std::move(p));
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        return std::tie(a.first.sortValue, a.first.id) < std::tie(b.first.sortValue, b.first.id);
    });
    for (auto& f : found) out.push_back(std::move(f.second));
    return StoreCode::Ok;
}

}  // namespace pramo
