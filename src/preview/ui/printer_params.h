#pragma once
// The printer parameters: the list BROWSEPARAM and the form UPDATEPARAM over PARAM, whose records
// hold the offsets and paper of matrix printers for pre-printed forms.

#include <QWidget>

#include "records/layouts/param.h"
#include "shell/app_context.h"
#include "shell/form/form_declaration.h"
#include "shell/list/list_declaration.h"

namespace pramo {

extern const FormSpec updateParam;
extern const ListSpec browseParam;

// Opens BROWSEPARAM for selection on `par` (for choosing the offsets a payment order is printed
// with); Completed with the chosen record in `par`.
Response selectParam(AppContext& ctx, Param& par, QWidget* parent);

}  // namespace pramo
