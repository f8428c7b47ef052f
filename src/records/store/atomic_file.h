#pragma once
// Every file the program writes (PDF, text, drawings, XML) is written whole or not at all: the
// content goes into a temporary file beside the target, every write and the close are checked,
// the data is flushed to disk, and only then is the temporary renamed over the target. A failure
// at any step removes the temporary and leaves the target as it was.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace pramo {

// Writes `target` through `fill`, which writes the whole content into the file named by its
// argument (a temporary path in the target's directory) and answers whether every write
// succeeded. Answers nothing when the file is in place, else the problem in the user's words.
// A target that exists but is not a regular file (a directory, device, pipe) is refused.
std::optional<std::string> writeFileAtomically(const std::string& target,
                                               const std::function<bool(const std::string& temporary)>& fill);

// The same for content already in memory.
std::optional<std::string> writeFileAtomically(const std::string& target, std::string_view content);

}  // namespace pramo
