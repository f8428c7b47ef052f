#include "preview/ui/screens.h"

#include "preview/ui/printer_params.h"
#include "shell/screen_registry.h"

namespace pramo {

void registerPreviewScreens(ScreenRegistry& registry) {
    registry.add(MenuCommand::Printer, browseParam);
}

}  // namespace pramo
