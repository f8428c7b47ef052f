// The desktop program. It works in the directory it is started in.

#include <QApplication>
#include <csignal>

#include "app/register_screens.h"
#include "shell/desktop/desktop.h"
#include "shell/keypad_shortcuts.h"

int main(int argc, char** argv) {
    std::signal(SIGXFSZ, SIG_IGN);  // a file-size limit makes a write fail with a message, not end the program
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Pramo");
    QApplication::setApplicationName("Pramo");
    pramo::KeypadShortcuts keypad;
    app.installEventFilter(&keypad);
    pramo::ScreenRegistry screens;
    pramo::registerAllScreens(screens);
    return pramo::runDesktop(screens, pramo::dataUpgrades());
}
