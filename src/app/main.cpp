// The desktop program. It works in the directory it is started in.

#include <QApplication>

#include "app/register_screens.h"
#include "shell/desktop/desktop.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Pramo");
    QApplication::setApplicationName("Pramo");
    pramo::ScreenRegistry screens;
    pramo::registerAllScreens(screens);
    return pramo::runDesktop(screens, pramo::dataUpgrades());
}
