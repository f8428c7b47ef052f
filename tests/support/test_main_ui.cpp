// main() of the screen tests: a QApplication set up as the program sets up its own (Qt's words in
// Croatian, the keypad's keys), offscreen unless a display is asked for, whose remembered window
// places go to a settings folder of the run's own.

#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdlib>

#include "shell/desktop/application_setup.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    pramo::setUpApplication(app);
    QApplication::setOrganizationName("Pramo");
    QApplication::setApplicationName("Pramo-tests");
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    return RUN_ALL_TESTS();
}
