#pragma once
// The income item form (UPDATEDOHOCI), opened by the payment form for an item of one payment:
//
//   Dohoci doh;  doh.isplata = isp.oznaka;                      // insert: the payment's number
//   openItemForm(ctx, Request::Insert, doh, this);              // Completed: doh holds the item saved
//   openItemForm(ctx, Request::Change, doh, this);              // doh as read from DOHOCI
//   openItemForm(ctx, Request::Delete, doh, this);              // asks, then deletes with its lines
//
// It runs modally to `parent` only. A list of items may name updateDohoci as its .form instead:
// the generic list then primes DOH:ISPLATA from its range and opens this window.

#include <QWidget>

#include "records/layouts/dohoci.h"
#include "shell/app_context.h"
#include "shell/form/form_declaration.h"

namespace pramo {

extern const FormSpec updateDohoci;

// GLO:AKCIJA of a new item entered from the payment form's list: its form opens on the choice of
// the payee (the form clears it).
inline constexpr const char* payeeFirstAction = "OdaberiDjelatnika";

Response openItemForm(AppContext& ctx, Request request, Dohoci& doh, QWidget* parent);

}  // namespace pramo
