#pragma once
// Validating an XML file against a schema set delivered with the program (data/xsd/, read from the
// program's shared data directory; no other file is read and nothing is fetched from the network).
// A schema is compiled once per run and kept.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pramo {

// The first thing the schema finds wrong in a document, in terms a caller can turn into words
// for the user.
struct SchemaProblem {
    std::string element;                        // local name of the element at fault ("P4")
    std::vector<std::string> path;              // local names from the root down to it
    std::string value;                          // its text, when it holds only text
    std::map<std::string, std::string> fields;  // the text-only children of its record: of the
                                                // element itself when it has children, else of its parent
    std::string reason;                         // what is wrong, in plain words
    std::string detail;                         // the validator's own words
    int line = 0;                               // line of the document, 0 when unknown
    bool schemaUnusable = false;                // the schema itself could not be read or compiled:
                                                // the document was not checked (reason says why)
};

// Validates the file at `path` against the schema set whose root is `schema` (a path under
// data/xsd/, "joppd/ObrazacJOPPD-v1-1.xsd"). Nothing when valid, else the first problem; a file
// that is not well-formed XML, or a schema that cannot be loaded, is a problem too. An empty
// `schema` (a document the program has no schema for) checks only that the file is well-formed.
// The file is read as a stream, in memory that does not grow with it; only a refused file is
// read again whole, to describe its first problem with the record it stands in.
std::optional<SchemaProblem> validateXmlFile(const std::string& path, std::string_view schema);

// The same for a document in memory.
std::optional<SchemaProblem> validateXml(std::string_view document, std::string_view schema);

}  // namespace pramo
