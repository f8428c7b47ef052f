#include "reports/position_sums.h"

#include "records/layouts/obracun.h"
#include "reports/key_walk.h"

namespace pramo {

void PositionSums::add(std::uint16_t position, Sum amount) {
    if (position >= inPlace) {
        Sum& s = far_[position];
        s = plus(s, amount);
        return;
    }
    near_[position] = plus(near_[position], amount);
    present_ |= 1u << position;
}

void PositionSums::add(const PositionSums& other) {
    for (std::uint16_t p = 0; p < inPlace; ++p) {
        if (other.present_ & (1u << p)) add(p, other.near_[p]);
    }
    for (const auto& [position, amount] : other.far_) add(position, amount);
}

Sum PositionSums::at(std::uint16_t position) const {
    if (position < inPlace) return near_[position];
    const auto it = far_.find(position);
    return it == far_.end() ? Sum{} : it->second;
}

std::vector<std::pair<std::uint16_t, Sum>> PositionSums::all() const {
    std::vector<std::pair<std::uint16_t, Sum>> out;
    for (std::uint16_t p = 0; p < inPlace; ++p) {
        if (present_ & (1u << p)) out.emplace_back(p, near_[p]);
    }
    out.insert(out.end(), far_.begin(), far_.end());
    return out;
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
