#pragma once
// The two JOPPD code books: the non-taxable receipts (NEOPOREZ), which the user keeps, and the
// receipt codes (VBRAT), delivered with the program and only viewed. The income type form chooses
// from odabirNeoporezivog and odabirVelikogBrata.

#include "shell/form/form_declaration.h"
#include "shell/list/list_declaration.h"

namespace pramo {

extern const ListSpec neoporeziviPrimiciPregled;  // the menu's list, with its form
extern const FormSpec promjenaNeopPrimitaka;
extern const ListSpec odabirNeoporezivog;         // chosen from only
extern const ListSpec odabirVelikogBrata;         // chosen from only
extern const ListSpec pregledVelikogBrata;        // the menu's list, for viewing

}  // namespace pramo
