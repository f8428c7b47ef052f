#include "shell/desktop/application_setup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <iostream>

#include "shell/keypad_shortcuts.h"

namespace pramo {

bool setUpApplication(QApplication& app) {
    // Dates and numbers that Qt writes itself (the file dialog's columns, spin boxes) follow
    // Croatian custom too.
    QLocale::setDefault(QLocale(QLocale::Croatian, QLocale::Croatia));
    app.installEventFilter(new KeypadShortcuts(&app));
    auto* qt = new QTranslator(&app);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!qt->load(QLocale(QLocale::Croatian, QLocale::Croatia), QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
        std::cerr << "pramo: Qt-ovi prijevodi na hrvatski nisu nađeni u " << folder.toStdString()
                  << " (paket qt6-translations-l10n); Qt-ovi dijalozi bit će na engleskom\n";
        delete qt;
        return false;
    }
    QApplication::installTranslator(qt);
    return true;
}

}  // namespace pramo
