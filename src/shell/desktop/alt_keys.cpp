#include "shell/desktop/alt_keys.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QShortcutEvent>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>

namespace pramo {
namespace {

bool underlines(const QString& text, const QKeySequence& key) { return QKeySequence::mnemonic(text) == key; }

QString withoutMnemonic(QString text) { return text.remove('&'); }

bool isModifier(int key) {
    return key == Qt::Key_Alt || key == Qt::Key_Control || key == Qt::Key_Shift || key == Qt::Key_Meta ||
           key == Qt::Key_AltGr;
}

// Whether an item of the open menu underlines the letter of `key` (typing it then chooses that item).
bool menuUnderlines(const QMenu& menu, const QKeySequence& key) {
    const QKeySequence plain(key[0].key());
    for (const QAction* a : menu.actions())
        if (QKeySequence::mnemonic(a->text()) == key || QKeySequence::mnemonic(a->text()) == plain) return true;
    return false;
}

void openFirstMenu(QMenuBar& bar) {
    for (QAction* a : bar.actions()) {
        if (!a->menu() || !a->isEnabled() || !a->isVisible()) continue;
        bar.setActiveAction(a);
        return;
    }
}

}  // namespace

AltKeys::AltKeys(QMainWindow& frame, std::function<QWidget*()> focusedChild)
    : QObject(&frame), frame_(frame), focusedChild_(std::move(focusedChild)) {
    auto* f10 = new QAction(&frame);
    f10->setShortcut(Qt::Key_F10);
    connect(f10, &QAction::triggered, &frame, [&frame] { openFirstMenu(*frame.menuBar()); });
    frame.addAction(f10);
    frame.menuBar()->setToolTip(QStringLiteral("F10 otvara izbornik (dalje strelicama)"));
    qApp->installEventFilter(this);
}

void AltKeys::childTargets(const QKeySequence& key, std::vector<Target>& out) const {
    QWidget* child = focusedChild_ ? focusedChild_() : nullptr;
    if (!child) return;
    for (QAbstractButton* b : child->findChildren<QAbstractButton*>())
        if (b->isVisible() && b->isEnabled() && underlines(b->text(), key)) out.push_back({b->text(), [b] { b->click(); }});
    for (QTabBar* tabs : child->findChildren<QTabBar*>()) {
        if (!tabs->isVisible()) continue;
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->isTabEnabled(i) && underlines(tabs->tabText(i), key))
                out.push_back({tabs->tabText(i), [tabs, i] { tabs->setCurrentIndex(i); }});
    }
    for (QLabel* label : child->findChildren<QLabel*>()) {
        QWidget* field = label->buddy();
        if (label->isVisible() && field && field->isEnabled() && underlines(label->text(), key))
            out.push_back({label->text(), [field] { field->setFocus(Qt::ShortcutFocusReason); }});
    }
}

std::vector<AltKeys::Target> AltKeys::targetsOf(const QKeySequence& key) const {
    std::vector<Target> out;
    childTargets(key, out);
    QMenuBar* bar = frame_.menuBar();
    for (QAction* a : bar->actions())
        if (a->menu() && a->isEnabled() && a->isVisible() && underlines(a->text(), key))
            out.push_back({a->text(), [bar, a] { bar->setActiveAction(a); }, a->menu()});
    for (QToolBar* tools : frame_.findChildren<QToolBar*>(Qt::FindDirectChildrenOnly))
        for (QToolButton* b : tools->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly))
            if (b->isVisible() && b->isEnabled() && underlines(b->text(), key)) out.push_back({b->text(), [b] { b->click(); }});
    return out;
}

QString AltKeys::sharedKeyTip(const QString& buttonText) const {
    const QKeySequence key = QKeySequence::mnemonic(buttonText);
    if (key.isEmpty()) return {};
    for (const QAction* a : frame_.menuBar()->actions()) {
        if (!a->menu() || !underlines(a->text(), key)) continue;
        const QChar letter(key[0].key());
        return QStringLiteral("Alt %1: prvi put izbornik %2, drugi put ovaj gumb.").arg(letter, withoutMnemonic(a->text()));
    }
    return {};
}

// Visits the next place of `key`; false when the key reaches no place of the frame.
bool AltKeys::press(const QKeySequence& key) {
    const std::vector<Target> targets = targetsOf(key);
    if (targets.empty()) return false;
    if (key != last_) next_ = 0;
    const Target& t = targets[next_ % targets.size()];
    last_ = key;
    next_ = next_ % targets.size() + 1;
    opened_ = t.menu;
    t.act();
    return true;
}

// The menu a press opened holds the keyboard: the same letter again closes it and goes on.
bool AltKeys::keyInOpenMenu(QMenu& menu, const QKeyEvent& key) {
    const QKeySequence asAlt(QKeyCombination(Qt::AltModifier, static_cast<Qt::Key>(key.key())));
    if (asAlt != last_ || (!(key.modifiers() & Qt::AltModifier) && menuUnderlines(menu, asAlt))) return false;
    menu.close();
    return press(asAlt);
}

bool AltKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Shortcut) {
        const auto* shortcut = static_cast<QShortcutEvent*>(event);
        if (!shortcut->isAmbiguous() || !frame_.isActiveWindow()) {
            last_ = {};
            return false;
        }
        return press(shortcut->key());
    }
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    auto* menu = qobject_cast<QMenu*>(watched);
    if (menu && menu == opened_ && menu->isVisible() && keyInOpenMenu(*menu, *key)) return true;
    if (!isModifier(key->key())) last_ = {};
    return false;
}

}  // namespace pramo
