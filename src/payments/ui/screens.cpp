#include "payments/ui/screens.h"

#include "payments/ui/payment_lists.h"
#include "payments/ui/payments_screen.h"
#include "shell/screen_registry.h"

namespace pramo {

void registerPaymentsScreens(ScreenRegistry& registry) {
    registry.add(MenuCommand::Isplate, openIsplate, {&isplatiteljiIsplate, &isplateList, &isplateDohoci});
}

}  // namespace pramo
