#include "shell/desktop/desktop.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "shell/desktop/data_dir_choice.h"
#include "shell/desktop/data_dir_dialog.h"
#include "shell/desktop/lock_wait_notice.h"
#include "shell/desktop/main_window.h"
#include "shell/desktop/message_boxes.h"
#include "shell/desktop/session.h"
#include "shell/desktop/start_options.h"

namespace pramo {

namespace {

// The data directory of this run, made the working directory; nothing when the program cannot
// start (the reason has been said).
std::optional<std::filesystem::path> enterDataDir(StartOptions& options) {
    std::vector<std::string> args;
    for (const QString& a : QApplication::arguments().mid(1)) args.push_back(a.toStdString());
    auto problem = readStartOptions(args, options);
    if (!problem && !options.database.empty())
        if (std::string why = notServerUri(options.database); !why.empty()) problem = "--database: " + why;
    if (problem) {
        std::cerr << "pramo: " << *problem << " (pramo --help navodi mogućnosti)\n";
        return std::nullopt;
    }
    const auto dir = chooseDataDir(options.dataDir);
    std::error_code ec;
    if (dir) std::filesystem::current_path(*dir, ec);
    if (!ec) return dir;
    QMessageBox::warning(nullptr, QString::fromUtf8(dataDirTitle),
                         QString::fromStdString(dir->string() + ": " + ec.message()));
    return std::nullopt;
}

}  // namespace

int runDesktop(const ScreenRegistry& screens, std::vector<DataUpgrade> upgrades) {
    StartOptions options;
    const auto dataDir = enterDataDir(options);
    if (!dataDir) return EXIT_FAILURE;
    QtMessages messages;
    const SystemClock clock;
    Session session(messages, clock, dataDir->string(), std::move(upgrades), options.database);
    session.context().screens = &screens;
    bool started = false;
    {
        const LockWaitNotice notice(session.context().store, QString::fromStdString(dataDir->string()));
        started = session.start();
    }
    if (!started) return EXIT_FAILURE;
    rememberDataDir(*dataDir);
    MainWindow frame(session.context(), screens);
    frame.show();
    return QApplication::exec();
}

}  // namespace pramo
