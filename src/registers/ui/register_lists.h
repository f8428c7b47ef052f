#pragma once
// The registers' lists and forms: municipalities with their places, places, streets, banks, payers
// and payees. Other screens choose a payer or a payee through selectPayer and selectPayee, and a
// form of theirs may name any of these lists in a look-up.

#include <QWidget>

#include "records/layouts/osobe.h"
#include "records/layouts/subjekti.h"
#include "shell/app_context.h"
#include "shell/form/form_declaration.h"
#include "shell/list/list_declaration.h"

namespace pramo {

// Municipalities, the list opened from the menu (with the places of the highlighted one below it)
// and the one a place form chooses from.
extern const ListSpec opcineList;
extern const ListSpec mjestaUOpcini;
extern const ListSpec odabirOpcine;
extern const FormSpec upisOpcine;
extern const FormSpec upisIzOdabiraOpcine;
extern const FormSpec upisMjestaIzOpcine;

// The municipalities' income-tax rates by date: all of them, and those of the municipality a
// form shows.
extern const ListSpec stopeOpcinaList;
extern const ListSpec stopeUOpcini;
extern const FormSpec upisStopeOpcine;

extern const ListSpec mjestaList;
extern const FormSpec upisMjesta;
extern const ListSpec uliceList;
extern const FormSpec upisUlice;
extern const ListSpec bankeList;
extern const FormSpec upisBanke;

extern const ListSpec osobeList;
// What the payees' lists share: the places beside the payees on the by-place tab, the columns
// surname, name, OIB, place, street and house number (followed by `more`), the OIB button (Alt+Q
// copies the highlighted payee's OIB) and the help on locating a payee.
extern const ListSpec mjestaZaOsobe;
std::vector<ColumnSpec> payeeColumns(std::vector<ColumnSpec> more);
ExtraButton payeeOibButton();
void payeeLocatingHelp(ListPanel& list);
extern const FormSpec upisOsobe;
extern const ListSpec subjektiList;
extern const FormSpec upisSubjekta;

// The payers' list for selection, opened on `sub` (a cleared record: at the first payer);
// Completed with the chosen payer in `sub`, Cancelled with `sub` unchanged.
Response selectPayer(AppContext& ctx, Subjekti& sub, QWidget* parent);

// The payees' list for selection, the same way.
Response selectPayee(AppContext& ctx, Osobe& oso, QWidget* parent);

}  // namespace pramo
