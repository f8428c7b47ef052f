#pragma once
// PUNIGLOBALE: the global defaults filled when the program starts.

#include "shell/app_context.h"

namespace pramo {

// Income type 21 is offered for new income items until the first item exists.
inline constexpr std::uint8_t defaultIncomeType = 21;

// Sets the default income type (that of the last income item by number, or 21), the report date
// (today) and the ID-1 contact person (from the last ID-1 form added; blank when there is none).
// False when DOHOCI or ID1 could not be opened; the program has then been ended.
bool puniGlobale(AppContext& ctx);

}  // namespace pramo
