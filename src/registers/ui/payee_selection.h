#pragma once
// The payee selection list (ODABIROSOBEZADOH) from which the income item form picks the payee of
// an item: by surname only payees with an OIB, by place every payee of the highlighted place.
// Payees may be added, changed and deleted from it through the payee form.

#include <QWidget>

#include "records/layouts/osobe.h"
#include "shell/app_context.h"
#include "shell/list/list_declaration.h"

namespace pramo {

extern const ListSpec odabirOsobeZaDoh;

// Opens the list for selection on `oso` (the item's payee as read, or a cleared record: at the
// first payee). Completed with the chosen payee in `oso`, Cancelled with `oso` unchanged.
Response selectPayeeForItem(AppContext& ctx, Osobe& oso, QWidget* parent);

}  // namespace pramo
