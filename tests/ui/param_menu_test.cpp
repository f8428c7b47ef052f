#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>

#include "shell/desktop/main_window.h"
#include "shell/screen_registry.h"
#include "ui/screens_fixture.h"

namespace pramo {
namespace {

class ParamMenuTest : public test::ScreensFixture {};

QAction* menuItem(QMainWindow& window, const QString& menu, const QString& item) {
    for (QAction* m : window.menuBar()->actions())
        if (m->text() == menu)
            for (QAction* a : m->menu()->actions())
                if (a->text() == item) return a;
    return nullptr;
}

TEST_F(ParamMenuTest, PrinterOpensThePrinterParametersList) {
    addParam(1, "Epson LX-300", -2, 3);
    ScreenRegistry screens;
    registerAllScreens(screens);
    MainWindow window(ctx(), screens);
    window.show();
    QAction* printer = menuItem(window, "Pa&rametri", "Printer");
    ASSERT_NE(printer, nullptr);
    ASSERT_TRUE(printer->isEnabled());
    printer->trigger();
    ASSERT_EQ(window.mdiArea()->subWindowList().size(), 1);
    QMdiSubWindow* child = window.mdiArea()->subWindowList().front();
    EXPECT_EQ(child->windowTitle(), "Podešavanje ispisa na printeru");

    auto* list = child->widget()->findChild<ListPanel*>();
    ASSERT_NE(list, nullptr);
    QStringList headers, buttons;
    for (int c = 0; c < list->view()->model()->columnCount(); ++c)
        headers << list->view()->model()->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(headers, (QStringList{"Oznaka", "Namjena", "vodoravno", "okomito", "Oznaka Papira", "Duzina", "Sirina"}));
    for (auto* b : list->findChildren<QPushButton*>()) buttons << b->text();
    EXPECT_EQ(buttons, (QStringList{"&Unesi", "&Mijenjaj", "&Briši", "O&daberi", "Zatvori", "Help"}));
    EXPECT_EQ(list->findChild<QTabBar*>()->tabText(0), "Parametri printera");
    EXPECT_EQ(column(*list, 1), (std::vector<std::string>{"Epson LX-300"}));
    EXPECT_EQ(column(*list, 2), (std::vector<std::string>{"-2"}));

    QPointer<QMdiSubWindow> closing = child;
    list->button(ListButton::Close)->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return closing.isNull(); }, 1000));
    EXPECT_EQ(ctx().files.openCount(Param::table), 1);  // only the test's own use is left
}

}  // namespace
}  // namespace pramo
