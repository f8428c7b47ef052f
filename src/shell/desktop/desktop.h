#pragma once
// The desktop program: start-up in the working directory, the frame, and the event loop.

#include <vector>

#include "shell/desktop/session.h"

namespace pramo {

class ScreenRegistry;

// Runs the program in the working directory (its data directory) under the QApplication already
// created, with the screens registered and the upgrades of the data, and answers the program's
// exit code.
int runDesktop(const ScreenRegistry& screens, std::vector<DataUpgrade> upgrades);

}  // namespace pramo
