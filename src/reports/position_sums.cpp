#include "reports/position_sums.h"

#include "records/layouts/obracun.h"
#include "reports/key_walk.h"

namespace pramo {

void PositionSums::add(std::uint16_t position, Sum amount) {
    Sum& s = sums_[position];
    s = plus(s, amount);
}

void PositionSums::add(const PositionSums& other) {
    for (const auto& [position, amount] : other.sums_) add(position, amount);
}

Sum PositionSums::at(std::uint16_t position) const {
    const auto it = sums_.find(position);
    return it == sums_.end() ? Sum{} : it->second;
}

StoreCode addItemLines(ReportReads& reads, std::int32_t item, PositionSums& sums) {
    const StoreCode c = walkKey<Obracun>(
        reads.store(), Obracun::keyDohodak, Obracun{.dohodak = item}, [item](const Obracun& obr) { return obr.dohodak == item; },
        [&sums](const Obracun& obr) {
            sums.add(obr.pozicija, obr.iznos);
            return StoreCode::Ok;
        });
    return reads.check(c, Obracun::table);
}

StoreCode forPaymentItems(ReportReads& reads, std::int32_t payment, const std::function<StoreCode(const Dohoci&)>& f) {
    const StoreCode c = walkKey<Dohoci>(reads.store(), Dohoci::keyIsplata, Dohoci{.isplata = payment},
                                        [payment](const Dohoci& doh) { return doh.isplata == payment; }, f);
    return reads.check(c, Dohoci::table);  // a failure of `f` has named its own file already
}

}  // namespace pramo
