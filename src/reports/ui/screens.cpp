#include "reports/ui/screens.h"

#include "reports/ui/id1_screens.h"
#include "reports/ui/potvrde_screen.h"
#include "shell/screen_registry.h"

namespace pramo {

void registerReportsScreens(ScreenRegistry& registry) {
    registry.add(MenuCommand::Id1Obrasci, pregledId1Obrazaca);
    registry.add(MenuCommand::Potvrde, openPotvrde, {&potvrdeOsobeList, &potvrdeDohociList});
}

}  // namespace pramo
