#include "shell/desktop/list_follower.h"

#include <QApplication>

#include "records/store/store.h"
#include "shell/list/list_panel.h"

namespace pramo {

ListFollower::ListFollower(Store& store, QWidget* area) : QObject(area), store_(store), area_(area) {
    // What the books hold now is what the lists about to open will show.
    if (store_.isOpen()) (void)store_.changedElsewhere();
    timer_.setInterval(intervalMs);
    connect(&timer_, &QTimer::timeout, this, &ListFollower::poll);
    timer_.start();
}

bool ListFollower::poll() {
    // A change of this program's own open transaction is no other program's; the question waits.
    if (!store_.isOpen() || store_.transactionDepth() > 0) return false;
    pending_ = store_.changedElsewhere() || pending_;
    if (!pending_ || QApplication::activeModalWidget()) return false;
    pending_ = false;
    for (ListPanel* list : area_->findChildren<ListPanel*>())
        if (list->isVisible()) list->refresh();
    return true;
}

}  // namespace pramo
