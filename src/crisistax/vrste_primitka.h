#pragma once
// The kinds of receipt a crisis-tax return states (DKR:VRSTA), each with the label of the line
// form and the label of the printed return. A return has at most one line per kind.

#include <array>
#include <cstdint>
#include <string_view>

namespace pramo {

enum class VrstaPrimitka : std::uint8_t { Placa = 1, Mirovina, DrugiDohodak, Dividende };

inline constexpr std::uint8_t number(VrstaPrimitka v) { return static_cast<std::uint8_t>(v); }

struct VrstaPrimitkaText {
    VrstaPrimitka vrsta;
    std::string_view form;     // the option on the line form
    std::string_view printed;  // the row of the printed return
};

// In the order of their codes, 1 to 4.
inline constexpr std::array<VrstaPrimitkaText, 4> vrstePrimitka{{
    {VrstaPrimitka::Placa, "Plaća", "Plaća"},
    {VrstaPrimitka::Mirovina, "Mirovina", "Mirovina"},
    {VrstaPrimitka::DrugiDohodak, "Drugi dohodak", "Drugi dohodak"},
    {VrstaPrimitka::Dividende, "Dividende i udjeli", "Dividende i udjeli u kapitalu"},
}};

}  // namespace pramo
