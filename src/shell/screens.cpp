#include "shell/screen_registry.h"

namespace pramo {

void registerScreens(ScreenRegistry& registry) {
    (void)registry;
}

}  // namespace pramo
