#pragma once
// Messages the register forms show about what was typed: a box with an OK button, titled with the
// form's caption.

#include <string_view>

#include "registers/entry_checks.h"
#include "shell/form/form_screen.h"

namespace pramo {

void tell(FormScreen& form, std::string_view text);
void tell(FormScreen& form, const Notice& notice);

// Puts the focus back on `field` once the focus change under way has ended.
void keepFocusOn(FormScreen& form, std::string_view field);

}  // namespace pramo
