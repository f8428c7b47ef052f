#pragma once
// Putting an XML document into its file: written to a temporary file beside the target, read
// back from there by a streaming reader and validated against its schema set (where the program
// has one), and renamed over the target only when it is well-formed and valid. An invalid
// document or a failed write leaves the target as it was. A document written through an
// XmlContent goes into the temporary file as it is made, so neither the writing nor the check
// holds it whole.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "records/store/atomic_file.h"
#include "xml/xml_schema.h"
#include "xml/xml_writer.h"

namespace pramo {

// Turns the schema's first problem into the user's terms (which row, which field, what is wanted).
using DescribeProblem = std::function<std::string(const SchemaProblem&)>;

// Writes a document with the writer it is given (which writes into the temporary file). A
// problem stops the document and nothing is put in place: the caller's own words, for a document
// it finds it cannot finish; a value the writer refuses is such a problem in the writer's words.
using XmlContent = std::function<std::optional<std::string>(XmlWriter&)>;

// Writes the document `content` makes to `target`, validated against `schema` (a path under
// data/xsd/; empty: only read back). Nothing when the file is in place; else a file not written
// is the answer, and a stopped document's problem or a refused document's describe(problem)
// goes into `refused`.
WriteOutcome writeXmlFile(const std::string& target, const XmlContent& content, std::string_view schema,
                          const DescribeProblem& describe, std::optional<std::string>& refused);

// The same for a document already in memory, as it stands.
WriteOutcome writeXmlFile(const std::string& target, std::string_view document, std::string_view schema,
                          const DescribeProblem& describe, std::optional<std::string>& refused);

// The same answering in the user's words: nothing when the file is in place, else `refused`, or
// the program's own words (Croatian) for a file not written.
std::optional<std::string> writeXmlFile(const std::string& target, std::string_view document, std::string_view schema,
                                        const DescribeProblem& describe);
std::optional<std::string> writeXmlFile(const std::string& target, const XmlContent& content, std::string_view schema,
                                        const DescribeProblem& describe);

}  // namespace pramo
