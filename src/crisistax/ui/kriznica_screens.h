#pragma once
// The crisis-tax returns: the list PREGLEDKRIZNICE (returns, newest month first, with the lines
// of the highlighted return below), the header form UNOSKRIZNICE and the line form UNOSDETKRIZ.
// The list's own commands fill the other-income line from the month's payments and print the
// return.

#include "shell/form/form_declaration.h"
#include "shell/list/list_declaration.h"

namespace pramo {

class ScreenRegistry;

extern const ListSpec pregledKriznice;
extern const ListSpec pozicijeObrasca;  // the lines of the highlighted return
extern const FormSpec unosKriznice;
extern const FormSpec unosDetkriz;

// The menu command "Krizni porez" (called from app/register_screens.cpp).
void registerCrisisTaxScreens(ScreenRegistry& registry);

}  // namespace pramo
