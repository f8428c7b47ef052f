#pragma once
// Names as the JOPPD return writes them (PRIJENOS): the stored text is already Unicode and goes
// out as UTF-8 unchanged, except that a run of blanks becomes one blank and trailing blanks are
// dropped. P5 is limited to 40 bytes, cut only between characters.

#include <cstddef>
#include <string>
#include <string_view>

namespace pramo {

std::string prijenos(std::string_view text);

// The longest prefix of UTF-8 `text` of at most `bytes` bytes that ends between two characters.
std::string_view cutUtf8(std::string_view text, std::size_t bytes);

}  // namespace pramo
