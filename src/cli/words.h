#pragma once
// Words the command line's messages share.

#include <string>
#include <string_view>

namespace pramo::cli {

// The system's reason for a failed call (an errno value), after a space in parentheses:
// " (nema dozvole)"; empty for 0.
std::string systemReason(int error);

// Why an argument that is not UTF-8 text is refused: a file of such a name would be written under
// another name, and a value stored with it could not be shown or filed.
std::string notUtf8(std::string_view argument);

}  // namespace pramo::cli
