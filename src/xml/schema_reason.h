#pragma once
// The validator's report of a schema violation ("Element 'P4': [facet 'pattern'] The value '123'
// is not accepted by the pattern ...") in plain words for the user.

#include <string>
#include <string_view>

namespace pramo {

// "vrijednost "123" nije u propisanom obliku", "nedostaje element P17", ...; `value` is the text of
// the element at fault. The validator's own text when it is of no known kind.
std::string plainReason(std::string_view detail, std::string_view value);

}  // namespace pramo
