#pragma once
// Putting a finished XML document into its file: written to a temporary file beside the target,
// read back from there by the XML parser and validated against its schema set (where the program
// has one), and renamed over the target only when it is well-formed and valid. An invalid
// document or a failed write leaves the target as it was.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "records/store/atomic_file.h"
#include "xml/xml_schema.h"

namespace pramo {

// Turns the schema's first problem into the user's terms (which row, which field, what is wanted).
using DescribeProblem = std::function<std::string(const SchemaProblem&)>;

// Writes `document` to `target`, validated against `schema` (a path under data/xsd/; empty: only
// parsed back). Nothing when the file is in place, else the problem in the user's words:
// describe(problem) for a document that is refused, the program's own words (Croatian) for a
// file not written.
std::optional<std::string> writeXmlFile(const std::string& target, std::string_view document, std::string_view schema,
                                        const DescribeProblem& describe);

// The same for a caller that words a file not written itself: that is the answer, and a refused
// document's describe(problem) goes into `refused`.
WriteOutcome writeXmlFile(const std::string& target, std::string_view document, std::string_view schema,
                          const DescribeProblem& describe, std::optional<std::string>& refused);

}  // namespace pramo
