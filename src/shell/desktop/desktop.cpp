#include "shell/desktop/desktop.h"

#include <QApplication>
#include <cstdlib>
#include <filesystem>

#include "shell/desktop/lock_wait_notice.h"
#include "shell/desktop/main_window.h"
#include "shell/desktop/message_boxes.h"
#include "shell/desktop/session.h"

namespace pramo {

int runDesktop(const ScreenRegistry& screens, std::vector<DataUpgrade> upgrades) {
    QtMessages messages;
    const SystemClock clock;
    const std::string dataDir = std::filesystem::current_path().string();
    Session session(messages, clock, dataDir, std::move(upgrades));
    bool started = false;
    {
        const LockWaitNotice notice(session.context().store, QString::fromStdString(dataDir));
        started = session.start();
    }
    if (!started) return EXIT_FAILURE;
    MainWindow frame(session.context(), screens);
    frame.show();
    return QApplication::exec();
}

}  // namespace pramo
