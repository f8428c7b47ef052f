#pragma once
// A key's sort value as one byte string: byte-wise order of the strings is the key's order
// (Croatian letters, case ignored, descending parts reversed). The store keeps it in a hidden,
// indexed column beside the record, so plain SQL tools need no custom collation.

#include <optional>
#include <string>

#include "records/store/table_def.h"

namespace pramo {

// The key's sort value, or nullopt when every component is blank or zero: such a record is left
// out of the key.
std::optional<std::string> encodeKey(const KeyDef& key, const void* rec);

// The sort value to seek to: like encodeKey, but blank components still count (they sort first).
std::string encodeSeek(const KeyDef& key, const void* rec);

// The sort value of one text alone, case folded ("ana" and "ANA " give the same bytes).
std::string foldText(std::string_view text);

}  // namespace pramo
