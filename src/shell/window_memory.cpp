#include "shell/window_memory.h"

#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QSettings>
#include <QVariant>
#include <QWidget>

#include "shell/list/list_declaration.h"
#include "shell/screen_fit.h"

namespace pramo {
namespace {

const QString columnsKey = QStringLiteral("/columns");

// A list is remembered apart in the frame and in a window of its own (called for a choice): a
// place in the frame is no place on the screen.
QString geometryKey(const QWidget* work) {
    return qobject_cast<const QMdiSubWindow*>(work) ? QStringLiteral("/geometry") : QStringLiteral("/window-geometry");
}

// The space a window opens in: its MDI area, or the screen it is on.
QRect space(const QWidget* work) {
    if (const auto* child = qobject_cast<const QMdiSubWindow*>(work); child && child->mdiArea())
        return child->mdiArea()->viewport()->rect();
    const QScreen* screen = work->screen() ? work->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

// The window's size for a content of `preferred` size (an MDI child adds its frame).
QSize frameFor(const QWidget* work, QSize preferred) {
    if (const auto* child = qobject_cast<const QMdiSubWindow*>(work)) {
        const QMargins frame = child->contentsMargins();
        return preferred + QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    }
    return preferred;
}

}  // namespace

QString memoryKey(const char* group, const ListSpec& spec) {
    QString name = QString::fromUtf8(spec.table->name.data(), static_cast<qsizetype>(spec.table->name.size())) + ' ' + spec.caption;
    return QString::fromUtf8(group) + '/' + name.replace('/', ' ').replace('\\', ' ');
}

void restoreWindow(QWidget* work, const QString& key, QSize preferred) {
    const QRect room = space(work);
    const QRect remembered = QSettings().value(key + geometryKey(work)).toRect();
    if (remembered.isValid()) {
        const QSize size = remembered.size().boundedTo(room.size());
        QPoint at = remembered.topLeft();
        at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() - size.width())));
        at.setY(std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() - size.height())));
        work->setGeometry(QRect(at, size));
    } else {
        work->resize(frameFor(work, preferred).boundedTo(room.size()));
    }
    if (work->isWindow()) fitOnScreen(*work);  // with its title bar and frame
}

void saveWindow(const QWidget* work, const QString& key) { QSettings().setValue(key + geometryKey(work), work->geometry()); }

std::vector<int> rememberedColumns(const QString& key) {
    std::vector<int> widths;
    for (const QVariant& v : QSettings().value(key + columnsKey).toList()) widths.push_back(v.toInt());
    return widths;
}

void rememberColumns(const QString& key, const std::vector<int>& widths) {
    QVariantList list;
    for (int w : widths) list << w;
    QSettings().setValue(key + columnsKey, list);
}

}  // namespace pramo
