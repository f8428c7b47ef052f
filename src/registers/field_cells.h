#pragma once
// A record's field set from the text of an imported cell, whatever its type: the generic part of
// the imports whose heading names the record's fields.

#include <optional>
#include <string>
#include <string_view>

#include "records/store/table_def.h"

namespace pramo {

// Sets field `f` of `rec` from `text` (a decimal typed with a point or a comma, a blank number 0).
// The problem, in the program's words naming the field, when the text does not fit the field
// (too long, not a number of its places and range, a character a document cannot carry).
std::optional<std::string> setFieldFromCell(const FieldDef& f, void* rec, std::string_view text);

}  // namespace pramo
