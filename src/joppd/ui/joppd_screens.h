#pragma once
// The JOPPD submissions list (JOPOOBRASCI) and its form (JOPOPROMJENEOBR), registered for the
// menu, and the JOPPD commands of the payments window (called from app/register_screens.cpp).

#include "shell/form/form_declaration.h"
#include "shell/list/list_declaration.h"

namespace pramo {

class ScreenRegistry;

extern const FormSpec jopoPromjeneObr;
extern const ListSpec jopoObrasci;

void registerJoppdScreens(ScreenRegistry& registry);

}  // namespace pramo
