#pragma once
// Alt letters that several places of the frame underline: "&Pregledi" and the toolbar's
// "&Primatelji" share Alt P, a list's "Po mje&stu" shares Alt S with "I&splate". Qt gives such a
// key to none of them (it only moves the focus about); here every press goes to the next of its
// places, in this order:
//   1. the child window holding the focus: its button is pressed, its tab chosen, the field of its
//      label focused (the window the user works in comes first);
//   2. the menu of the menu bar, which opens (harmless: Esc closes it);
//   3. the toolbar button, which opens its screen.
// The same key pressed again (with Alt, or alone while the menu it opened is open) goes on to the
// next place; any other key starts again from the first. F10 opens the first menu, so that every
// menu is reachable while a child window's button holds its letter.

#include <QKeySequence>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <vector>

class QKeyEvent;
class QMainWindow;
class QMenu;
class QShortcutEvent;
class QWidget;

namespace pramo {

class AltKeys : public QObject {
public:
    // `focusedChild`: the child window holding the focus, or null.
    AltKeys(QMainWindow& frame, std::function<QWidget*()> focusedChild);

    // One place an Alt letter reaches; `menu` is set when it opens a menu of the menu bar.
    struct Target {
        QString caption;
        std::function<void()> act;
        QMenu* menu = nullptr;
    };
    // Every place `key` reaches now, in the order its presses visit them.
    std::vector<Target> targetsOf(const QKeySequence& key) const;

    // The tool tip line of a toolbar button whose letter a menu shares; empty when none does.
    QString sharedKeyTip(const QString& buttonText) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool press(const QKeySequence& key);
    bool keyInOpenMenu(QMenu& menu, const QKeyEvent& key);
    void childTargets(const QKeySequence& key, std::vector<Target>& out) const;

    QMainWindow& frame_;
    std::function<QWidget*()> focusedChild_;
    QKeySequence last_;       // the key whose places are being visited
    std::size_t next_ = 0;    // the next of them
    QPointer<QMenu> opened_;  // the menu the last press opened
};

}  // namespace pramo
