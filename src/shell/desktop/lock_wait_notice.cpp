#include "shell/desktop/lock_wait_notice.h"

#include <QCoreApplication>
#include <QLabel>
#include <QScreen>

#include "records/store/lock_holder.h"
#include "records/store/store.h"

namespace pramo {
namespace {

constexpr std::int64_t quietWaitMs = 300;  // shorter waits pass without a window

}  // namespace

LockWaitNotice::LockWaitNotice(Store& store, QString dataDir) : store_(store), dataDir_(std::move(dataDir)) {
    hide_.setSingleShot(true);
    hide_.setInterval(static_cast<int>(quietWaitMs));
    QObject::connect(&hide_, &QTimer::timeout, [this] {
        if (window_) window_->hide();
    });
    store_.setLockWaitObserver([this](std::int64_t ms) { waited(ms); });
}

LockWaitNotice::~LockWaitNotice() { store_.setLockWaitObserver({}); }

QString LockWaitNotice::text(std::int64_t ms) const {
    const auto holder = findLockHolder(store_.path());
    const QString who = holder ? QStringLiteral("drugi program (%1, proces %2)").arg(QString::fromStdString(holder->program)).arg(holder->pid)
                               : QStringLiteral("drugi program");
    return QStringLiteral("Podatke u mapi %1 upravo koristi %2.\nČekam da ih oslobodi: %3 s od %4 s.")
        .arg(dataDir_, who)
        .arg(ms / 1000)
        .arg(Store::lockWaitSeconds);
}

void LockWaitNotice::waited(std::int64_t ms) {
    if (ms < quietWaitMs) return;
    if (!window_) {
        window_ = std::make_unique<QLabel>();
        window_->setWindowTitle(QString::fromUtf8(lockWaitTitle));
        window_->setMargin(16);
    }
    window_->setText(text(ms));
    window_->adjustSize();
    if (const QScreen* screen = window_->screen()) window_->move(screen->availableGeometry().center() - window_->rect().center());
    if (!window_->isVisible()) {
        window_->show();
        window_->raise();
    }
    hide_.start();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace pramo
