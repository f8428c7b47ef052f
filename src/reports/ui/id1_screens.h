#pragma once
// The ID-1 headers: the list PREGLEDID1OBRAZACA with its cover letter and XML buttons, and the
// header form UPISID1OBRASCA, whose contact person starts from the last one used and is kept for
// the next new header.

#include "shell/form/form_declaration.h"
#include "shell/list/list_declaration.h"

namespace pramo {

extern const FormSpec upisId1Obrasca;
extern const ListSpec pregledId1Obrazaca;

}  // namespace pramo
