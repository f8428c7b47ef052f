#pragma once
// The income types: the list (also chosen from by the income item form) and its form, which keeps
// the type's three JOPPD codes consistent with each other and with the two code books.

#include "shell/form/form_declaration.h"
#include "shell/list/list_declaration.h"

namespace pramo {

extern const ListSpec vrsteDohotka;
extern const FormSpec upisVrsteDoh;

}  // namespace pramo
