#include "joppd/ujed.h"

#include <QRandomGenerator>

namespace pramo {
namespace {

constexpr std::string_view hexDigits = "0123456789abcdef";

bool isDash(std::size_t position) { return position == 9 || position == 14 || position == 19 || position == 24; }

}  // namespace

std::uint32_t SystemRandom::below(std::uint32_t n) {
    return QRandomGenerator::system()->bounded(n);
}

std::string ujedi(RandomSource& random) {
    std::string id;
    for (std::size_t position = 1; position <= 36; ++position) {
        if (isDash(position)) id += '-';
        else if (position == 15) id += '4';
        else if (position == 20) id += hexDigits[8 + random.below(4)];
        else id += hexDigits[random.below(16)];
    }
    return id;
}

bool isUjed(std::string_view text) {
    if (text.size() != 36) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool ok = isDash(i + 1) ? text[i] == '-' : hexDigits.find(text[i]) != std::string_view::npos;
        if (!ok) return false;
    }
    return true;
}

}  // namespace pramo
