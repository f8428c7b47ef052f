#include "app/register_screens.h"

#include "crisistax/ui/kriznica_screens.h"
#include "joppd/ui/joppd_screens.h"
#include "orders/ui/orders_commands.h"
#include "payments/data_upgrades.h"
#include "payments/ui/screens.h"
#include "preview/ui/screens.h"
#include "registers/ui/income_type_screens.h"
#include "registers/ui/screens.h"
#include "reports/ui/screens.h"

namespace pramo {

// The payments window shows the document commands of one place in the order they are registered
// here: the payments' own first.
void registerAllScreens(ScreenRegistry& registry) {
    registerPreviewScreens(registry);
    registerRegistersScreens(registry);
    registerIncomeTypeScreens(registry);
    registerPaymentsScreens(registry);
    registerReportsScreens(registry);
    registerJoppdScreens(registry);
    registerOrdersScreens(registry);
    registerCrisisTaxScreens(registry);
}

std::vector<DataUpgrade> dataUpgrades() {
    const auto upgrades = recordUpgrades();
    return {upgrades.begin(), upgrades.end()};
}

}  // namespace pramo
