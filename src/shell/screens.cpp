#include "shell/list/list_screen.h"
#include "shell/param_screens.h"
#include "shell/screen_registry.h"

namespace pramo {

void registerScreens(ScreenRegistry& registry) {
    registry.add(MenuCommand::Printer, [](AppContext& ctx) { return openList(ctx, browseParam); });
}

}  // namespace pramo
