#include "payments/ui/screens.h"

#include "payments/ui/payment_lists.h"
#include "payments/ui/payments_screen.h"
#include "payments/ui/item_form.h"
#include "payments/ui/item_lists.h"
#include "registers/ui/payee_selection.h"
#include "shell/screen_registry.h"

namespace pramo {

void registerPaymentsScreens(ScreenRegistry& registry) {
    registry.add(MenuCommand::Isplate, openIsplate, {&isplatiteljiIsplate, &isplateList, &isplateDohoci});
    registry.declare(updateDohoci);
    registry.declare(obracunStavke);
    registry.declare(svastaStavke);
    registry.declare(odabirOsobeZaDoh);
}

}  // namespace pramo
