// A start-up held up by another program's lock on the data directory shows, within a second, a
// window naming that program, and goes on once the lock is gone.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <thread>

#include "app/register_screens.h"
#include "shell/desktop/lock_wait_notice.h"
#include "shell/desktop/session.h"
#include "support/raw_db.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"

namespace pramo {
namespace {

// Another program holding the whole database for `holdMs`, from the moment the constructor returns.
class LockingProgram {
public:
    LockingProgram(const std::string& db, int holdMs) {
        int ready[2];
        EXPECT_EQ(::pipe(ready), 0);
        pid_ = fork();
        if (pid_ == 0) {
            test::RawDb raw(db);
            const int locked = raw.exec("PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE");
            (void)!::write(ready[1], "x", 1);
            std::this_thread::sleep_for(std::chrono::milliseconds(holdMs));
            _exit(locked);
        }
        char c;
        EXPECT_EQ(::read(ready[0], &c, 1), 1);
        ::close(ready[0]);
        ::close(ready[1]);
    }
    ~LockingProgram() { EXPECT_EQ(exitCode(), 0); }
    pid_t pid() const { return pid_; }
    int exitCode() {
        int status = 0;
        if (pid_ > 0 && waitpid(pid_, &status, 0) == pid_) pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    pid_t pid_ = -1;
};

QString noticeShown() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->windowTitle() == QString::fromUtf8(lockWaitTitle)) return static_cast<QLabel*>(w)->text();
    }
    return {};
}

TEST(LockWait, AStartHeldUpByALockSaysWhoHoldsItThenGoesOn) {
    test::TempDir dir;
    test::ScriptedMessages messages;
    FixedClock clock{*Date::fromYmd(2015, 3, 14)};
    ASSERT_TRUE(Session(messages, clock, dir.path().string(), dataUpgrades()).start());

    LockingProgram other(dir.file("pramo.db"), 1500);
    const std::string pid = std::to_string(other.pid());
    QString seen;
    QTimer::singleShot(800, [&] { seen = noticeShown(); });
    Session session(messages, clock, dir.path().string(), dataUpgrades());
    bool started = false;
    {
        const LockWaitNotice notice(session.context().store, QString::fromStdString(dir.path().string()));
        started = session.start();
    }
    EXPECT_TRUE(started);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(seen.contains(QString::fromStdString("Podatke u mapi " + dir.path().string() + " upravo koristi drugi program (test_ui, proces " + pid + ")")))
        << seen.toStdString();
    QTest::qWait(400);  // the window goes once no wait is reported
    EXPECT_TRUE(noticeShown().isEmpty());
}

}  // namespace
}  // namespace pramo
