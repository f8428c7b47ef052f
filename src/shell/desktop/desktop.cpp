#include "shell/desktop/desktop.h"

#include <QApplication>
#include <cstdlib>
#include <filesystem>

#include "shell/desktop/main_window.h"
#include "shell/desktop/message_boxes.h"
#include "shell/desktop/session.h"

namespace pramo {

int runDesktop(const ScreenRegistry& screens, std::vector<DataUpgrade> upgrades) {
    QtMessages messages;
    const SystemClock clock;
    Session session(messages, clock, std::filesystem::current_path().string(), std::move(upgrades));
    if (!session.start()) return EXIT_FAILURE;
    MainWindow frame(session.context(), screens);
    frame.show();
    return QApplication::exec();
}

}  // namespace pramo
