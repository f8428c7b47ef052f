#pragma once
// What the desktop program is made of beyond the shell: every subsystem's screens, and the
// upgrades of the data the start-up brings up to date.

#include <vector>

#include "shell/desktop/session.h"
#include "shell/screen_registry.h"

namespace pramo {

// Every screen of the program (one call per subsystem).
void registerAllScreens(ScreenRegistry& registry);

// The start-up's upgrades of the data, in the order they run.
std::vector<DataUpgrade> dataUpgrades();

}  // namespace pramo
