#pragma once
// The desktop program: start-up in the working directory, the frame, and the event loop.

namespace pramo {

// Runs the program in the working directory (its data directory) under the QApplication already
// created, and answers the program's exit code.
int runDesktop();

}  // namespace pramo
