#include "reports/position_sums.h"

#include <algorithm>

namespace pramo {

void PositionSums::add(const std::vector<Obracun>& lines) {
    for (const Obracun& obr : lines) add(obr.pozicija, Total(obr.iznos));
}

void PositionSums::add(std::uint16_t position, const Total& amount) {
    if (position >= inPlace) {
        far_[position] += amount;
        return;
    }
    near_[position] += amount;
    present_ |= 1u << position;
}

void PositionSums::add(const PositionSums& other) {
    for (std::uint16_t p = 0; p < inPlace; ++p) {
        if (other.present_ & (1u << p)) add(p, other.near_[p]);
    }
    for (const auto& [position, amount] : other.far_) add(position, amount);
}

Total PositionSums::at(std::uint16_t position) const {
    if (position < inPlace) return near_[position];
    const auto it = far_.find(position);
    return it == far_.end() ? Total{} : it->second;
}

std::vector<std::pair<std::uint16_t, Total>> PositionSums::all() const {
    std::vector<std::pair<std::uint16_t, Total>> out;
    for (std::uint16_t p = 0; p < inPlace; ++p) {
        if (present_ & (1u << p)) out.emplace_back(p, near_[p]);
    }
    out.insert(out.end(), far_.begin(), far_.end());
    return out;
}

bool PositionSums::overflowed() const {
    const auto over = [](const auto& entry) { return entry.second.overflowed(); };
    return std::ranges::any_of(all(), over);
}

}  // namespace pramo
