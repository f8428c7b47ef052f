#pragma once
// Reference tables delivered with the program (the .tsv files of data/, built into it).

#include <optional>
#include <string_view>

namespace pramo::refdata {

// The contents of a delivered file by its name ("pozicije.tsv"); nullopt when there is none.
std::optional<std::string_view> find(std::string_view name);

}  // namespace pramo::refdata
