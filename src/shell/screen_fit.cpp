#include "shell/screen_fit.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>

namespace pramo {
namespace {

QMargins frameOf(const QWidget& w) {
    const QRect outer = w.frameGeometry(), inner = w.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

// The window manager's frame around `window`: its own once it has one, else that of a shown
// window. Before any window is shown (the frame itself) it is guessed: a title bar as high as the
// style draws one and a few pixels of border, more than the usual window managers draw.
QMargins decorationOf(const QWidget& window) {
    if (const QMargins own = frameOf(window); !own.isNull()) return own;
    for (const QWidget* w : QApplication::topLevelWidgets()) {
        if (w == &window || !w->isVisible() || w->windowType() == Qt::Popup || w->windowType() == Qt::ToolTip) continue;
        if (const QMargins other = frameOf(*w); !other.isNull()) return other;
    }
    const int border = 4;
    return {border, window.style()->pixelMetric(QStyle::PM_TitleBarHeight) + 2 * border, border, 2 * border};
}

const QScreen* screenOf(const QWidget& window) {
    if (const QScreen* s = QGuiApplication::screenAt(window.geometry().center())) return s;
    return window.screen() ? window.screen() : QGuiApplication::primaryScreen();
}

}  // namespace

void fitOnScreen(QWidget& window) {
    const QScreen* screen = screenOf(window);
    if (!screen) return;
    const QMargins frame = decorationOf(window);
    const QRect room = screen->availableGeometry().marginsRemoved(frame);
    const QSize size = window.size().boundedTo(room.size());
    const QSize least = window.minimumSizeHint().expandedTo(window.minimumSize());
    if (least.width() > size.width() || least.height() > size.height())
        window.setMinimumSize(least.boundedTo(size));  // its layout asks for more than the screen has
    if (size != window.size()) window.resize(size);
    if (!window.isVisible() && !window.testAttribute(Qt::WA_Moved)) return;  // the window manager places it
    QPoint at = window.pos() + QPoint(frame.left(), frame.top());  // pos() is the frame's corner, geometry() the inside
    at.setX(std::clamp(at.x(), room.left(), room.right() + 1 - size.width()));
    at.setY(std::clamp(at.y(), room.top(), room.bottom() + 1 - size.height()));
    if (at - QPoint(frame.left(), frame.top()) != window.pos()) window.move(at - QPoint(frame.left(), frame.top()));
}

}  // namespace pramo
