#pragma once
// A window called by a screen (a form opened by its list, a look-up opened by its form, a
// preview): modal to its caller only. The caller's window of work (its MDI child window, or the
// dialog it sits in) is disabled while the called window runs; every other window, the menus and
// the toolbar stay usable, so the user can open another list or use Edit → Copy meanwhile.
// (QDialog::exec() would block the whole program instead.)

class QDialog;
class QWidget;

namespace pramo {

// Shows `window` and returns when it has finished (QDialog::finished), answering its result. The
// caller may be null (nothing is disabled then). `window` is made a window of the frame (so that
// disabling its caller does not disable it) and opens centred on the caller's window of work,
// which refuses to close while `window` runs and gets the focus back afterwards; it never reaches
// beyond the screen (shell/screen_fit.h).
int runCalledWindow(QDialog& window, QWidget* caller);

// The window a screen works in: its MDI child window, or the top-level window it is in.
QWidget* windowOfWork(QWidget* w);

// Marks a called window, so that tests can find it among the top-level windows.
inline constexpr const char* calledWindowProperty = "pramoCalledWindow";

}  // namespace pramo
