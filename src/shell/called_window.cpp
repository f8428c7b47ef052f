#include "shell/called_window.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QScreen>
#include <algorithm>
#include <QEvent>
#include <QEventLoop>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QVariant>

#include "shell/screen_fit.h"

namespace pramo {

QWidget* windowOfWork(QWidget* w) {
    for (QWidget* p = w; p; p = p->parentWidget()) {
        if (qobject_cast<QMdiSubWindow*>(p)) return p;
        if (p->isWindow()) return p;
    }
    return nullptr;
}

namespace {

// Keeps a window of work open while a window it called runs: the called window lives on the
// caller's stack and must end first.
class CloseRefuser : public QObject {
public:
    explicit CloseRefuser(QWidget* work) : QObject(work) { work->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Close) return false;
        event->ignore();
        return true;
    }
};

// The width the window's title needs in its title bar, beside the bar's icon and buttons (the
// title's font is the window manager's: a bold one of the program's size is assumed), within the screen.
int titleWidth(const QWidget& window) {
    QFont font = QApplication::font();
    font.setBold(true);
    const int wanted = QFontMetrics(font).horizontalAdvance(window.windowTitle()) + 140;
    const QScreen* screen = window.screen();
    return screen ? std::min(wanted, screen->availableGeometry().width()) : wanted;
}

// A called window belongs to the window above its caller's window of work (the frame for an MDI
// child), not to the caller: a disabled parent would disable it too. It opens centred on the
// window of work.
void placeAbove(QDialog& window, QWidget* work) {
    QWidget* above = work->parentWidget() ? work->parentWidget()->window() : nullptr;
    window.setParent(above, window.windowFlags() | Qt::Dialog);
    if (!window.testAttribute(Qt::WA_Resized)) {  // a window that chose its size keeps it
        window.adjustSize();
        window.resize(std::max(window.width(), titleWidth(window)), window.height());
    }
    const QPoint centre = work->mapToGlobal(work->rect().center());
    window.move(centre - QPoint(window.width() / 2, window.height() / 2));
}

// Gives the caller its window and focus back once the called window has gone. A caller that is a
// window itself (a form calling its look-up) gets the focus where it was, as a window made active
// again does: no entry takes that for the user's arrival.
void returnTo(QWidget* work, QWidget* caller, QWidget* hadFocus) {
    work->setEnabled(true);
    work->window()->activateWindow();
    if (auto* child = qobject_cast<QMdiSubWindow*>(work); child && child->mdiArea()) child->mdiArea()->setActiveSubWindow(child);
    if (caller && caller->isWindow() && hadFocus && hadFocus->window() == caller && hadFocus->isEnabled())
        hadFocus->setFocus(Qt::ActiveWindowFocusReason);
    else if (caller)
        caller->setFocus(Qt::OtherFocusReason);
}

}  // namespace

int runCalledWindow(QDialog& window, QWidget* caller) {
    QPointer<QWidget> work = caller ? windowOfWork(caller) : nullptr;
    QPointer<QWidget> back = caller;
    QPointer<QWidget> hadFocus = QApplication::focusWidget();  // disabling the caller's window takes it away
    QPointer<CloseRefuser> refuser;
    if (work) {
        placeAbove(window, work);
        work->setEnabled(false);
        refuser = new CloseRefuser(work);
    }
    fitOnScreen(window);
    window.setWindowModality(Qt::NonModal);
    window.setProperty(calledWindowProperty, true);
    QEventLoop loop;
    QObject::connect(&window, &QDialog::finished, &loop, &QEventLoop::quit);
    window.show();
    window.raise();
    window.activateWindow();
    if (window.isVisible()) loop.exec(QEventLoop::DialogExec);
    delete refuser;
    if (work) returnTo(work, back, hadFocus);
    return window.result();
}

}  // namespace pramo
