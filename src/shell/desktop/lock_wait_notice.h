#pragma once
// While the program waits for another program's lock on its data directory, a small window says
// so and names that program: a start-up held up by a lock shows who holds it instead of nothing.

#include <QString>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <string>

class QLabel;

namespace pramo {

class Store;

inline constexpr const char* lockWaitTitle = "Čekam podatke";

class LockWaitNotice {
public:
    // Watches the store's waits until destroyed. Meant for the start-up, when no screen is open:
    // while the window is shown, events other than the user's input are handled.
    LockWaitNotice(Store& store, QString dataDir);
    ~LockWaitNotice();
    LockWaitNotice(const LockWaitNotice&) = delete;
    LockWaitNotice& operator=(const LockWaitNotice&) = delete;

private:
    void waited(std::int64_t ms);
    QString text(std::int64_t ms) const;

    Store& store_;
    QString dataDir_;
    std::unique_ptr<QLabel> window_;
    QTimer hide_;  // the window goes when no wait has been reported for a moment
};

}  // namespace pramo
