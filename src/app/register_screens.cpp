#include "app/register_screens.h"

#include "crisistax/ui/kriznica_screens.h"
#include "joppd/ui/joppd_screens.h"
#include "payments/data_upgrades.h"
#include "payments/ui/screens.h"
#include "preview/ui/screens.h"
#include "registers/ui/income_type_screens.h"
#include "registers/ui/screens.h"
#include "reports/ui/screens.h"

namespace pramo {

void registerAllScreens(ScreenRegistry& registry) {
    registerPreviewScreens(registry);
    registerCrisisTaxScreens(registry);
    registerJoppdScreens(registry);
    registerReportsScreens(registry);
    registerIncomeTypeScreens(registry);
    registerPaymentsScreens(registry);
    registerRegistersScreens(registry);
}

std::vector<DataUpgrade> dataUpgrades() {
    const auto upgrades = recordUpgrades();
    return {upgrades.begin(), upgrades.end()};
}

}  // namespace pramo
