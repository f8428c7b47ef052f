// Each screen started from the menu is its own window of work: a form a list opens is modal to
// that list only, lists are worked from the keyboard, and windows open as wide as their columns
// and where they were left.

#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

#include "preview/ui/printer_params.h"
#include "shell/desktop/main_window.h"
#include "ui/screens_fixture.h"

namespace pramo {
namespace {

using test::formOf;
using test::ModalSteps;

class WindowOfWork : public test::ScreensFixture {
protected:
    void SetUp() override {
        ScreensFixture::SetUp();
        registerAllScreens(screens);
        window = std::make_unique<MainWindow>(ctx(), screens);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        QApplication::setActiveWindow(window.get());
    }
    void TearDown() override { window.reset(); }

    QAction* menuItem(const QString& menu, const QString& item) {
        for (QAction* m : window->menuBar()->actions())
            if (m->text() == menu)
                for (QAction* a : m->menu()->actions())
                    if (a->text() == item) return a;
        return nullptr;
    }
    ListPanel* openPrinterList() {
        QMdiSubWindow* child = window->openScreen(MenuCommand::Printer);
        return child ? child->widget()->findChild<ListPanel*>() : nullptr;
    }
    static QMdiSubWindow* childOf(QWidget* w) { return qobject_cast<QMdiSubWindow*>(windowOfWork(w)); }

    ScreenRegistry screens;
    std::unique_ptr<MainWindow> window;
};

// While a list's form is open the list waits, and only the list: the other lists, the menus, the
// toolbar and Edit → Paste into the form's field go on working.
TEST_F(WindowOfWork, AFormIsModalToItsListOnly) {
    addParam(1, "Epson");
    addParam(2, "Oki");
    ListPanel* first = openPrinterList();
    ListPanel* second = openPrinterList();
    ASSERT_TRUE(first && second);
    QApplication::clipboard()->setText("Laserski");
    ModalSteps steps;
    steps.then([&](QWidget* modal) {
        FormScreen& form = formOf(modal);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        EXPECT_FALSE(childOf(first)->isEnabled());
        EXPECT_FALSE(childOf(first)->close()) << "a list waiting for its form stays open";
        EXPECT_TRUE(childOf(second)->isEnabled());
        key(*second, Qt::Key_Down);
        EXPECT_EQ(highlighted(*second), "2");
        EXPECT_NE(window->openScreen(MenuCommand::Printer), nullptr);
        QLineEdit* namjena = entry(form, "MODELPRINTERA");
        QApplication::setActiveWindow(&form);
        namjena->setFocus();
        namjena->selectAll();
        QApplication::setActiveWindow(window.get());  // the user goes to the menu bar
        menuItem("&Edit", "&Paste")->trigger();
        EXPECT_EQ(namjena->text(), "Laserski");
        form.okButton()->click();
    });
    first->button(ListButton::Change)->click();
    EXPECT_TRUE(steps.allDone());
    EXPECT_EQ(param(1)->modelprintera, "Laserski");
    EXPECT_TRUE(childOf(first)->isEnabled());
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == first->view(); }, 1000));
}

// A list opens with the focus on its rows; Enter changes the highlighted record; a button's
// underlined letter wins over the menu bar's (Alt+M: "&Mijenjaj", not "Po&moć"); Esc and Ctrl+F4
// close the list.
TEST_F(WindowOfWork, ListsAreWorkedFromTheKeyboard) {
    addParam(1, "Epson");
    addParam(2, "Oki");
    ListPanel* list = openPrinterList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(QApplication::focusWidget(), list->view());
    QStringList opened;
    const auto cancel = [&opened](QWidget* modal) {
        opened << modal->windowTitle() + " " + formOf(modal).record().text("OZNAKA").c_str();
        formOf(modal).reject();
    };
    ModalSteps steps;
    steps.then(cancel).then(cancel);
    key(*list, Qt::Key_Down);
    key(*list, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == list->view(); }, 1000));
    key(*list, Qt::Key_M, Qt::AltModifier);
    EXPECT_EQ(opened, (QStringList{"Promjene 2", "Promjene 2"}));

    for (const QKeySequence& close : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_F4)}) {
        QPointer<QMdiSubWindow> child = window->openScreen(MenuCommand::Printer);
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == child->widget()->findChild<ListPanel*>()->view(); }, 1000));
        QTest::keySequence(QApplication::focusWidget(), close);
        EXPECT_TRUE(QTest::qWaitFor([&] { return child.isNull(); }, 1000)) << close.toString().toStdString();
    }
}

// In select mode Enter chooses the highlighted record.
TEST_F(WindowOfWork, EnterSelectsInSelectMode) {
    addParam(1, "Epson");
    addParam(2, "Oki");
    Param par;
    ModalSteps steps;
    steps.then([](QWidget* modal) {
        QApplication::setActiveWindow(modal);
        ASSERT_EQ(QApplication::focusWidget(), modal->findChild<ListScreen*>()->panel()->view());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    EXPECT_EQ(selectParam(ctx(), par, nullptr), Response::Completed);
    EXPECT_EQ(par.oznaka, 2);
}

// A list opens at least as wide as its columns (within the frame), and where it was left, with
// the columns as wide as they were left.
TEST_F(WindowOfWork, AListOpensWideEnoughAndWhereItWasLeft) {
    addParam(1, "Epson");
    ListPanel* list = openPrinterList();
    QHeaderView* header = list->view()->horizontalHeader();
    EXPECT_LE(header->length(), list->view()->viewport()->width());
    QMdiSubWindow* child = childOf(list);
    child->setGeometry(30, 40, 500, 300);
    header->resizeSection(1, 333);
    child->close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->mdiArea()->subWindowList().isEmpty(); }, 1000));

    window.reset();
    ASSERT_TRUE(start());  // the next run of the program
    MainWindow again(ctx(), screens);
    again.show();
    QMdiSubWindow* reopened = again.openScreen(MenuCommand::Printer);
    EXPECT_EQ(reopened->geometry(), QRect(30, 40, 500, 300));
    EXPECT_EQ(reopened->widget()->findChild<ListPanel*>()->view()->columnWidth(1), 333);
}

// A list left at the frame's corner and then called for a choice opens over its caller: a place in
// the frame is no place on the screen.
TEST_F(WindowOfWork, ACalledListOpensOverItsCaller) {
    addParam(1, "Epson");
    window->setGeometry(200, 150, 560, 420);  // away from the screen's corner, within the screen
    ListPanel* list = openPrinterList();
    childOf(list)->setGeometry(0, 0, 500, 300);
    childOf(list)->close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->mdiArea()->subWindowList().isEmpty(); }, 1000));
    Param par;
    QRect opened;
    ModalSteps steps;
    steps.then([&](QWidget* modal) {
        opened = modal->window()->geometry();
        modal->findChild<ListScreen*>()->panel()->closeList();
    });
    selectParam(ctx(), par, window->centralWidget());
    EXPECT_TRUE(opened.contains(window->geometry().center())) << opened.x() << "," << opened.y();
}

TEST_F(WindowOfWork, TheStatusBarShowsTheDataDirectory) {
    QStringList shown;
    for (auto* label : window->statusBar()->findChildren<QLabel*>()) shown << label->text();
    EXPECT_TRUE(shown.contains(QString::fromStdString(dir.path().string()))) << shown.join('|').toStdString();
}

}  // namespace
}  // namespace pramo
