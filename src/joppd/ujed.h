#pragma once
// The identifier of a JOPPD return (UJEDI): a random version-4 UUID in the 8-4-4-4-12 layout,
// lower case, "-" at positions 9, 14, 19 and 24, "4" at 15 and one of 8 9 a b at 20. Its digits
// come from a random source the caller passes: the operating system's cryptographic source in
// the program, a scripted one in tests.

#include <cstdint>
#include <string>
#include <string_view>

namespace pramo {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A whole number from 0 to n - 1, every one equally likely.
    virtual std::uint32_t below(std::uint32_t n) = 0;
};

// The operating system's cryptographically secure source.
class SystemRandom final : public RandomSource {
public:
    std::uint32_t below(std::uint32_t n) override;
};

// A new identifier, 36 characters.
std::string ujedi(RandomSource& random);

// Whether `text` has the form of an identifier (what the return's schema accepts).
bool isUjed(std::string_view text);

}  // namespace pramo
