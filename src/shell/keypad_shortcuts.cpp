#include "shell/keypad_shortcuts.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <optional>

namespace pramo {
namespace {

// Whether `w` takes the key for itself, as it tells Qt before any shortcut is tried.
bool claimedBy(QWidget* w, const QKeyEvent& key) {
    QKeyEvent override(QEvent::ShortcutOverride, key.key(), key.modifiers(), key.text());
    override.ignore();
    QCoreApplication::sendEvent(w, &override);
    return override.isAccepted();
}

// The enabled action of `key` that `w` or a parent within its window carries.
QAction* actionFor(QWidget* w, QKeyCombination key) {
    for (QWidget* at = w; at; at = at->isWindow() ? nullptr : at->parentWidget()) {
        for (QAction* a : at->actions()) {
            const bool reaches = a->shortcutContext() != Qt::WidgetShortcut || at == w;
            if (reaches && a->isEnabled() && a->shortcuts().contains(QKeySequence(key))) return a;
        }
    }
    return nullptr;
}

// The keypad key a key press stands for: itself when it comes from the keypad; a digit of the main
// keyboard held with Ctrl or Alt stands for the same digit of the keypad too (it types nothing,
// and a laptop has no keypad). Nothing for any other key.
std::optional<QKeyCombination> keypadKeyOf(const QKeyEvent& key) {
    if (key.modifiers() & Qt::KeypadModifier) return key.keyCombination();
    const bool digit = key.key() >= Qt::Key_0 && key.key() <= Qt::Key_9;
    if (!digit || !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier))) return std::nullopt;
    return QKeyCombination(key.modifiers() | Qt::KeypadModifier, static_cast<Qt::Key>(key.key()));
}

}  // namespace

bool KeypadShortcuts::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || watched != QApplication::focusWidget()) return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    const auto keypad = keypadKeyOf(key);
    if (!keypad) return false;
    auto* w = static_cast<QWidget*>(watched);
    QAction* action = claimedBy(w, key) ? nullptr : actionFor(w, *keypad);
    if (action) action->trigger();
    return action != nullptr;
}

}  // namespace pramo
