// The desktop program. It works in its data directory (shell/desktop/data_dir_choice.h).

#include <QApplication>
#include <QIcon>
#include <csignal>

#include "app/register_screens.h"
#include "shell/desktop/application_setup.h"
#include "shell/desktop/desktop.h"
#include "shell/desktop/start_options.h"

int main(int argc, char** argv) {
    std::signal(SIGXFSZ, SIG_IGN);  // a file-size limit makes a write fail with a message, not end the program
    if (const auto answered = pramo::answerInformation(argc, argv)) return *answered;  // --help, --version
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Pramo");
    QApplication::setApplicationName("Pramo");
    QApplication::setDesktopFileName("hr.pramo.Pramo");
    QApplication::setWindowIcon(QIcon::fromTheme("pramo"));
    pramo::setUpApplication(app);
    pramo::ScreenRegistry screens;
    pramo::registerAllScreens(screens);
    return pramo::runDesktop(screens, pramo::dataUpgrades());
}
