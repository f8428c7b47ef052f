#include "shell/desktop/desktop.h"

#include <QApplication>
#include <cstdlib>
#include <filesystem>

#include "shell/desktop/main_window.h"
#include "shell/desktop/message_boxes.h"
#include "shell/desktop/session.h"

namespace pramo {

int runDesktop() {
    QtMessages messages;
    const SystemClock clock;
    Session session(messages, clock, std::filesystem::current_path().string());
    if (!session.start()) return EXIT_FAILURE;
    ScreenRegistry screens;
    registerScreens(screens);
    MainWindow frame(session.context(), screens);
    frame.show();
    return QApplication::exec();
}

}  // namespace pramo
