#include "reports/print_format.h"

namespace pramo {

std::string printDecimal(std::int64_t raw, int places) {
    const std::uint64_t magnitude = raw < 0 ? 0 - static_cast<std::uint64_t>(raw) : static_cast<std::uint64_t>(raw);
    std::string digits = std::to_string(magnitude);
    if (digits.size() <= static_cast<std::size_t>(places)) digits.insert(0, static_cast<std::size_t>(places) + 1 - digits.size(), '0');
    const std::size_t whole = digits.size() - static_cast<std::size_t>(places);
    std::string out;
    for (std::size_t i = 0; i < whole; ++i) {
        if (i > 0 && (whole - i) % 3 == 0) out += '.';
        out += digits[i];
    }
    if (places > 0) out += ',' + digits.substr(whole);
    return raw < 0 ? '-' + out : out;
}

}  // namespace pramo
