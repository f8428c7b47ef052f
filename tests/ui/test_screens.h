#pragma once
// Declarations the screen tests run, shaped as the registers' screens will be: municipalities
// with their places below, places with a look-up of their municipality, payees by surname and,
// on a second tab, by the place highlighted in a list of places.

#include "shell/form/form_declaration.h"
#include "shell/list/list_declaration.h"

namespace pramo::test {

extern const ListSpec opcineList;      // municipalities by name, with the places of the highlighted one below
extern const ListSpec mjestaOpcine;    // the places of the highlighted municipality
extern const ListSpec mjestaList;      // places by name, with the name of their municipality
extern const FormSpec upisMjesta;      // a place: name, municipality (look-up), postal code
extern const ListSpec osobeList;       // payees: by surname, or by the place highlighted beside them
extern const FormSpec upisOsobe;       // a payee: tabs, option groups, defaults, a look-up, a hook

}  // namespace pramo::test
