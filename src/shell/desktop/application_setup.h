#pragma once
// What the desktop program sets up on its QApplication before any window opens, shared with the
// screen tests so that they see what users see: Qt's own words in Croatian (the buttons of the
// message boxes, the file and printer dialogs, the names of keys in tool tips) and the keys of
// the numeric keypad (shell/keypad_shortcuts.h).

class QApplication;

namespace pramo {

// Installs Qt's Croatian translations (Debian's qt6-translations-l10n) and the keypad filter on
// `app`. False when the translations could not be loaded: Qt's dialogs then speak English, and
// the program says so on standard error.
bool setUpApplication(QApplication& app);

}  // namespace pramo
