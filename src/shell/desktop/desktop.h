#pragma once
// The desktop program: start-up in its data directory, the frame, and the event loop.

#include <vector>

#include "shell/desktop/session.h"

namespace pramo {

class ScreenRegistry;

// Runs the program under the QApplication already created, with the screens registered and the
// upgrades of the data, and answers the program's exit code. The data directory comes from the
// command line (--data DIR) or is chosen as data_dir_choice.h says; the program works in it (it
// becomes the working directory, where documents and XML files are written relative to).
int runDesktop(const ScreenRegistry& screens, std::vector<DataUpgrade> upgrades);

}  // namespace pramo
