#pragma once
// No window of the program is larger than the screen it opens on, or opens partly off it: a
// preview of 1000 × 800 on a 1366 × 768 screen would hide its status bar and its lower edge.

class QWidget;

namespace pramo {

// Makes the top-level `window` fit, with its title bar and frame, into the free part of its screen
// (the screen under its centre): no larger than that space, and moved inside it. The frame is the
// window manager's: when `window` has none yet (it is not shown), it is taken to be as large as the
// frame of another window of the program that is shown.
void fitOnScreen(QWidget& window);

}  // namespace pramo
