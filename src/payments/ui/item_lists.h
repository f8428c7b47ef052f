#pragma once
// The lists inside the income item form: the item's calculation lines, edited one by one through
// the line form, and its auxiliary slots (the payment method). Both are ranged by the item the
// form holds (ListPanel::setOwner).

#include "shell/form/form_declaration.h"
#include "shell/list/list_declaration.h"

namespace pramo {

extern const ListSpec obracunStavke;   // "Pozicije obračuna:", Insert / Ctrl+Enter / double-click / Delete
extern const FormSpec updateObracun;   // one line
extern const ListSpec svastaStavke;    // "Način isplate"

}  // namespace pramo
