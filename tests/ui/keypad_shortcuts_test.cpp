// A keypad key that Qt did not match to a shortcut (on X11 it never does) reaches the focused
// widget as a plain key press; the application's keypad filter then triggers the action of that
// key, unless the focused widget takes the key itself. A digit of the main keyboard held with Ctrl
// stands for the keypad's.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QVBoxLayout>

#include "shell/keypad_shortcuts.h"

namespace pramo {
namespace {

TEST(KeypadShortcuts, AKeypadKeyTriggersItsActionUnlessTheFocusedFieldTakesIt) {
    KeypadShortcuts keypad;
    qApp->installEventFilter(&keypad);
    QWidget screen;
    auto* list = new QTableView;
    auto* field = new QLineEdit;
    auto* layout = new QVBoxLayout(&screen);
    layout->addWidget(list);
    layout->addWidget(field);
    QStringList fired;
    for (const auto& [key, name] : {std::pair{QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_2), "copy"},
                                    std::pair{QKeyCombination(Qt::KeypadModifier, Qt::Key_Plus), "insert"}}) {
        auto* a = new QAction(&screen);
        a->setShortcut(QKeySequence(key));
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        QObject::connect(a, &QAction::triggered, [&fired, n = QString(name)] { fired << n; });
        screen.addAction(a);
    }
    screen.show();
    QApplication::setActiveWindow(&screen);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));

    struct Case { QWidget* focus; Qt::Key key; Qt::KeyboardModifiers mods; const char* text; QStringList fired; };
    const Case cases[] = {
        {list, Qt::Key_2, Qt::ControlModifier | Qt::KeypadModifier, "", {"copy"}},
        {list, Qt::Key_Plus, Qt::KeypadModifier, "+", {"insert"}},
        {field, Qt::Key_2, Qt::ControlModifier | Qt::KeypadModifier, "", {"copy"}},
        {field, Qt::Key_Plus, Qt::KeypadModifier, "+", {}},  // the field types it
        {list, Qt::Key_2, Qt::ControlModifier, "", {"copy"}},  // the 2 above the letters, held with Ctrl, too
        {field, Qt::Key_2, Qt::ControlModifier, "", {"copy"}},
        {field, Qt::Key_2, Qt::NoModifier, "2", {}},           // the field types it
    };
    for (const Case& c : cases) {
        fired.clear();
        c.focus->setFocus();
        QKeyEvent press(QEvent::KeyPress, c.key, c.mods, c.text);
        QApplication::sendEvent(c.focus, &press);
        EXPECT_EQ(fired, c.fired) << c.focus->metaObject()->className() << " " << QKeySequence(QKeyCombination(c.mods, c.key)).toString().toStdString();
    }
    qApp->removeEventFilter(&keypad);
}

}  // namespace
}  // namespace pramo
