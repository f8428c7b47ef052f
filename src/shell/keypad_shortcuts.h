#pragma once
// Keys of the numeric keypad given as shortcuts (numeric + for a new payment, Ctrl + numeric 2
// for a copy). Qt on X11 offers such a key to its shortcuts without the keypad flag, so a
// shortcut that names the keypad never fires there and the key arrives as a plain key press.
// KeypadShortcuts, installed on the application, finishes that work: a keypad key press that the
// focused widget does not claim for itself (as a number field claims numeric +) triggers the
// enabled action of that key on the focused widget or one of its parents within its window. A
// digit of the main keyboard held with Ctrl or Alt does the same as that digit of the keypad
// ("Duplikat(Ctrl2)" answers Ctrl+2 too). Where Qt matches the shortcut itself the key press
// never comes, so nothing fires twice.

#include <QObject>

namespace pramo {

class KeypadShortcuts : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace pramo
