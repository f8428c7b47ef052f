#pragma once
// The XML schemas delivered with the program (the .xsd files under data/xsd/, built into it).

#include <optional>
#include <string_view>

namespace pramo::schemafiles {

// The text of a schema file by its path under data/xsd/ ("joppd/ObrazacJOPPD-v1-1.xsd");
// nullopt when there is none.
std::optional<std::string_view> find(std::string_view name);

}  // namespace pramo::schemafiles
