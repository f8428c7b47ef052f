#include "records/values/number_format.h"

namespace pramo {

std::string formatDecimal(std::int64_t raw, int places, NumberFormat format) {
    if (raw == 0 && format.blankWhenZero) return {};
    const std::uint64_t magnitude = raw < 0 ? 0 - static_cast<std::uint64_t>(raw) : static_cast<std::uint64_t>(raw);
    std::string digits = std::to_string(magnitude);
    const auto p = static_cast<std::size_t>(places);
    if (digits.size() <= p) digits.insert(0, p + 1 - digits.size(), '0');
    const std::size_t whole = digits.size() - p;
    const bool grouped = format.use == NumberUse::Print || (format.use == NumberUse::Screen && places > 0);
    std::string out = raw < 0 ? "-" : "";
    for (std::size_t i = 0; i < whole; ++i) {
        if (grouped && i > 0 && (whole - i) % 3 == 0) out += '.';
        out += digits[i];
    }
    std::string decimals = digits.substr(whole);
    if (format.trimZeros) decimals.erase(decimals.find_last_not_of('0') + 1);
    if (!decimals.empty()) out += (format.use == NumberUse::Xml ? '.' : ',') + decimals;
    return out;
}

}  // namespace pramo
