#pragma once
// The scroll thumb of a list has 100 stops, each a key value: dragging the thumb to stop p
// locates the first record at or after that value, and moving the highlight moves the thumb to
// the first stop not below the highlighted record's value. The stops of a surname key are fixed
// two-letter texts; those of other text keys and of numeric keys are spread evenly between the
// first and the last record of the list.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pramo::thumb {

constexpr int stops = 100;  // thumb positions 1 to 100

// "  ", "AF", "AN", "AT", then "X ", "XF", "XN", "XT" for each letter X from B to Z, with "Q "
// followed only by "QN" and "Z " only by "ZN".
const std::vector<std::string>& surnameStops();

// Even stops between two texts: after their common (upper-cased) prefix, the next four
// characters are read as digits of base 27 (a space or any non-letter is 0, A to Z are 1 to 26);
// the distance is cut into 99 equal steps and stop k is the prefix and the four characters of
// first + k × step.
std::vector<std::string> textStops(std::string_view first, std::string_view last);

// Even stops between two numbers: stop k = low + k × (high − low) / 99.
std::vector<std::int64_t> numberStops(std::int64_t low, std::int64_t high);

// The thumb position (1 to 100) of a value: that of the first stop not below it, 100 when every
// stop is below. Texts compare as keys do (letter case ignored, Croatian order).
int positionOf(const std::vector<std::string>& stopTexts, std::string_view value);
int positionOf(const std::vector<std::int64_t>& stopNumbers, std::int64_t value);

}  // namespace pramo::thumb
