#pragma once
// The lists of the desktop follow what other programs commit to the books: every few seconds the
// store is asked whether another program changed the books (a cheap question that reads no table),
// and when it did, every open list is rebuilt around its highlighted record. While a modal window
// (a form, a question) is open the lists are left as they are, and followed once it closes.

#include <QObject>
#include <QTimer>

class QWidget;

namespace pramo {

class Store;

class ListFollower : public QObject {
    Q_OBJECT
public:
    static constexpr int intervalMs = 2000;

    // Follows the lists shown inside `area` (and its children) over `store`.
    ListFollower(Store& store, QWidget* area);

    // One look at the store, as the timer takes it; answers whether the lists were refreshed.
    bool poll();

private:
    Store& store_;
    QWidget* area_;
    QTimer timer_;
    bool pending_ = false;  // another program's change not yet shown
};

}  // namespace pramo
