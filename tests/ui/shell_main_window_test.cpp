#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <map>

#include "records/layouts/dohoci.h"
#include "records/layouts/isplate.h"
#include "shell/desktop/about_dialog.h"
#include "shell/desktop/main_menu.h"
#include "shell/desktop/main_window.h"
#include "shell/desktop/message_boxes.h"
#include "shell/desktop/printer_setup.h"
#include "ui/shell_fixture.h"

namespace pramo {
namespace {

// A screen with two entry fields, standing in for the lists later work registers.
QWidget* probeScreen(AppContext&) {
    auto* w = new QWidget;
    w->setWindowTitle("Probni prozor");
    auto* layout = new QVBoxLayout(w);
    for (const char* name : {"first", "second"}) {
        auto* edit = new QLineEdit(w);
        edit->setObjectName(name);
        layout->addWidget(edit);
    }
    return w;
}

class Frame : public test::ShellFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(start());
        screens.add(MenuCommand::Isplatitelji, probeScreen);
        screens.add(MenuCommand::Printer, probeScreen);
        window = std::make_unique<MainWindow>(ctx(), screens);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();  // the focus and the keys reach the active window only
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override { window.reset(); }

    QMenu* openMenu(const QString& title) {
        QMenuBar* bar = window->menuBar();
        for (QAction* a : bar->actions()) {
            if (a->text() != title) continue;
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(a).center());
            return a->menu();
        }
        ADD_FAILURE() << "no menu " << title.toStdString();
        return nullptr;
    }
    QAction* item(QMenu* menu, const QString& text) {
        for (QAction* a : menu->actions())
            if (a->text() == text) return a;
        ADD_FAILURE() << "no item " << text.toStdString();
        return nullptr;
    }
    // Opens the menu and clicks the item, as the user does.
    void choose(const QString& menuTitle, const QString& itemText) {
        QMenu* menu = openMenu(menuTitle);
        ASSERT_NE(menu, nullptr);
        QAction* a = item(menu, itemText);
        ASSERT_NE(a, nullptr);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
        if (menu->isVisible()) menu->close();  // a disabled item leaves the menu open
    }
    QToolButton* toolButton(const QString& text) {
        for (auto* b : window->findChildren<QToolButton*>())
            if (b->text() == text) return b;
        return nullptr;
    }
    qsizetype children() const { return window->mdiArea()->subWindowList().size(); }

    ScreenRegistry screens;
    std::unique_ptr<MainWindow> window;
};

struct Item {
    QString text, status;
    bool screen;  // started screen (enabled only when registered) rather than a frame command
};

TEST_F(Frame, MenuBarHoldsEveryItemInOrder) {
    const std::vector<std::pair<QString, std::vector<Item>>> expected{
        {"&File", {{"&Print Setup ...", "Setup printer", false}, {"Inicijalizacija", "", false},
                   {"E&xit", "Exit this application", false}}},
        {"&Edit", {{"Cu&t", "Remove item to Windows Clipboard", false}, {"&Copy", "Copy item to Windows Clipboard", false},
                   {"&Paste", "Paste contents of Windows Clipboard", false}}},
        {"Pa&rametri", {{"Vrste dohotka", "", true}, {"Neoporezivi primici", "", true},
                        {"Pregled oznaka primitaka", "", true}, {"Printer", "Browse param", true}}},
        {"&Pregledi", {{"Općine", "", true}, {"Stope poreza općina", "Stope poreza na dohodak općina po datumu", true},
                       {"Mjesta", "", true}, {"Ulice", "", true}, {"Banke", "", true},
                       {"Isplatitelji", "Subjekti", true}, {"Primatelji", "Osobe", true}}},
        {"P&oslovi", {{"&JOP Obrasci", "", true}, {"&Isplate", "", true}, {"&Potvrde", "", true},
                      {"ID-1 obrasci", "", true}, {"&Krizni porez", "", true}}},
        {"Po&moć", {{"&O programu", "", false}}},
    };
    EXPECT_EQ(window->windowTitle(), "PRAMO V 2015_2");
    const auto menus = window->menuBar()->actions();
    ASSERT_EQ(menus.size(), static_cast<qsizetype>(expected.size()));
    for (std::size_t m = 0; m < expected.size(); ++m) {
        EXPECT_EQ(menus[m]->text(), expected[m].first);
        const auto items = menus[m]->menu()->actions();
        ASSERT_EQ(items.size(), static_cast<qsizetype>(expected[m].second.size())) << m;
        for (std::size_t i = 0; i < expected[m].second.size(); ++i) {
            const Item& e = expected[m].second[i];
            SCOPED_TRACE(e.text.toStdString());
            EXPECT_EQ(items[i]->text(), e.text);
            EXPECT_EQ(items[i]->statusTip(), e.status);
            const bool registered = e.text == "Isplatitelji" || e.text == "Printer";
            EXPECT_EQ(items[i]->isEnabled(), !e.screen || registered);
        }
    }
}

TEST_F(Frame, HighlightedItemShowsItsStatusText) {
    for (const auto& [menuTitle, itemText, status] :
         {std::tuple{"&File", "&Print Setup ...", "Setup printer"}, {"Pa&rametri", "Printer", "Browse param"},
          {"&Pregledi", "Isplatitelji", "Subjekti"}, {"&Edit", "&Copy", "Copy item to Windows Clipboard"}}) {
        QMenu* menu = openMenu(menuTitle);
        ASSERT_NE(menu, nullptr);
        QTest::mouseMove(menu, menu->actionGeometry(item(menu, itemText)).center());
        EXPECT_EQ(window->statusBar()->currentMessage(), status) << itemText;
        menu->close();
    }
}

TEST_F(Frame, ToolBarButtonsWithTheirTips) {
    const std::vector<std::tuple<QString, QString, bool>> expected{
        {"&Isplatitelji", "Brze tipke: istodobno Alt I", true},
        {"&Primatelji", "Brze tipke: istodobno Alt P\nAlt P: prvi put izbornik Pregledi, drugi put ovaj gumb.", false},
        {"I&splate", "Brze tipke: istodobno Alt S", false},     {"Potvr&de", "Brze tipke: istodobno Alt D", false},
        {"&JOP obrasci", "", false}};
    auto buttons = window->findChild<QToolBar*>()->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly);
    buttons.removeIf([](QToolButton* b) { return !b->isVisible(); });  // the toolbar's own overflow button
    std::sort(buttons.begin(), buttons.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
    ASSERT_EQ(buttons.size(), static_cast<qsizetype>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const auto& [text, tip, enabled] = expected[i];
        EXPECT_EQ(buttons[i]->text(), text);
        EXPECT_EQ(buttons[i]->toolTip(), tip);
        EXPECT_EQ(buttons[i]->isEnabled(), enabled) << text.toStdString();
    }
}

// A command opens its screen as a child window; the same command again (menu or toolbar) brings
// that window forward instead of a second copy; a disabled item opens nothing.
TEST_F(Frame, ScreensOpenAsChildWindows) {
    choose("&Pregledi", "Isplatitelji");
    QMdiSubWindow* payers = window->mdiArea()->activeSubWindow();
    choose("Pa&rametri", "Printer");
    EXPECT_EQ(children(), 2);
    EXPECT_EQ(window->mdiArea()->activeSubWindow()->windowTitle(), "Probni prozor");
    choose("&Pregledi", "Isplatitelji");
    EXPECT_EQ(window->mdiArea()->activeSubWindow(), payers);
    choose("Pa&rametri", "Printer");
    QTest::mouseClick(toolButton("&Isplatitelji"), Qt::LeftButton);
    EXPECT_EQ(window->mdiArea()->activeSubWindow(), payers);
    EXPECT_EQ(children(), 2);

    choose("&Pregledi", "Primatelji");
    QTest::mouseClick(toolButton("&Primatelji"), Qt::LeftButton);
    EXPECT_EQ(children(), 2);
    EXPECT_TRUE(messages.shown.empty());
}

// Alt letters of the frame that name more than one place: every one is listed, and pressing it
// again and again reaches each place in turn (the menu first, then the toolbar button). While a
// child window holds the focus its own places come first; F10 opens the menu bar from anywhere.
TEST_F(Frame, EveryClashingAltLetterReachesEachOfItsPlaces) {
    std::map<QKeySequence, QStringList> places;
    for (const MenuDef& m : menuBarDef()) places[QKeySequence::mnemonic(m.title)] << m.title;
    for (const ToolButtonDef& b : toolBarDef()) places[QKeySequence::mnemonic(b.text)] << b.text;
    std::erase_if(places, [](const auto& p) { return p.second.size() < 2; });
    const std::map<QKeySequence, QStringList> expected{{QKeySequence(Qt::ALT | Qt::Key_P), {"&Pregledi", "&Primatelji"}}};
    EXPECT_EQ(places, expected);
    EXPECT_EQ(toolButton("&Primatelji")->toolTip(),
              "Brze tipke: istodobno Alt P\nAlt P: prvi put izbornik Pregledi, drugi put ovaj gumb.");

    screens.add(MenuCommand::Primatelji, probeScreen);
    screens.add(MenuCommand::Isplate, probeScreen);
    screens.add(MenuCommand::Banke, [](AppContext&) -> QWidget* {  // a list with a tab and a button of its own
        auto* w = new QWidget;
        auto* tabs = new QTabBar(w);
        tabs->addTab("Po pr&ezimenu");
        tabs->addTab("Po mje&stu");
        auto* change = new QPushButton("&Mijenjaj", w);
        QObject::connect(change, &QPushButton::clicked, w, [w] { w->setProperty("changed", true); });
        auto* layout = new QVBoxLayout(w);
        layout->addWidget(tabs);
        layout->addWidget(change);
        return w;
    });
    MainWindow frame(ctx(), screens);
    frame.show();
    QApplication::setActiveWindow(&frame);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    const auto popupTitle = [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        return menu ? menu->title() : QString();
    };
    const auto altP = [] {
        QWidget* to = QApplication::activePopupWidget() ? QApplication::activePopupWidget() : QApplication::focusWidget();
        QTest::keyClick(to ? to : QApplication::activeWindow(), Qt::Key_P, Qt::AltModifier);
    };
    for (int round = 0; round < 2; ++round) {
        altP();
        EXPECT_EQ(popupTitle(), "&Pregledi");
        altP();
        EXPECT_EQ(popupTitle(), "");
        QTRY_COMPARE(frame.mdiArea()->subWindowList().size(), 1);  // the second round brings it forward
    }

    QMdiSubWindow* list = frame.openScreen(MenuCommand::Banke);
    auto* tabs = list->widget()->findChild<QTabBar*>();
    tabs->setFocus();
    QTest::keyClick(tabs, Qt::Key_S, Qt::AltModifier);  // the list's tab, then the toolbar's "I&splate"
    EXPECT_EQ(tabs->currentIndex(), 1);
    const qsizetype before = frame.mdiArea()->subWindowList().size();
    QTest::keyClick(tabs, Qt::Key_S, Qt::AltModifier);
    QTRY_COMPARE(frame.mdiArea()->subWindowList().size(), before + 1);
    frame.mdiArea()->setActiveSubWindow(list);
    tabs->setFocus();
    QTest::keyClick(tabs, Qt::Key_M, Qt::AltModifier);  // the list's "&Mijenjaj" over "Po&moć"
    EXPECT_TRUE(list->widget()->property("changed").toBool());
    QTest::keyClick(tabs, Qt::Key_F10);
    EXPECT_EQ(popupTitle(), "&File");
    QApplication::activePopupWidget()->close();
}

// While the payees button is disabled Alt P opens the menu alone.
TEST_F(Frame, ADisabledButtonLeavesItsLetterToTheMenu) {
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(children(), 0);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(qobject_cast<QMenu*>(QApplication::activePopupWidget())->title(), "&Pregledi");
    QApplication::activePopupWidget()->close();
}

// A screen that closes itself takes its child window with it; one that refuses to close stays.
TEST_F(Frame, ScreenClosingItselfClosesItsChildWindow) {
    choose("&Pregledi", "Isplatitelji");
    window->openScreen(MenuCommand::Isplatitelji);  // a second copy (the menu would bring the first forward)
    const auto subs = window->mdiArea()->subWindowList();
    QPointer<QMdiSubWindow> closing = subs[0], staying = subs[1];
    struct Refuse : QObject {
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Close) e->ignore();
            return e->type() == QEvent::Close;
        }
    } refuse;
    staying->widget()->installEventFilter(&refuse);
    closing->widget()->close();
    staying->widget()->close();
    QTRY_VERIFY(closing.isNull());
    EXPECT_EQ(window->mdiArea()->subWindowList(), QList<QMdiSubWindow*>{staying});
    EXPECT_TRUE(staying->widget()->isVisible());
    staying->widget()->removeEventFilter(&refuse);
}

TEST_F(Frame, ExitClosesTheChildWindowsAndTheFrame) {
    choose("&Pregledi", "Isplatitelji");
    QPointer<QMdiSubWindow> child = window->mdiArea()->subWindowList().front();
    choose("&File", "E&xit");
    EXPECT_FALSE(window->isVisible());
    QTest::qWait(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(child.isNull());
}

TEST_F(Frame, EditCommandsActOnTheFocusedField) {
    choose("&Pregledi", "Isplatitelji");
    QWidget* screen = window->mdiArea()->activeSubWindow()->widget();
    auto* first = screen->findChild<QLineEdit*>("first");
    auto* second = screen->findChild<QLineEdit*>("second");
    first->setFocus();
    QTest::keyClicks(first, "Horvat");
    first->selectAll();
    choose("&Edit", "&Copy");
    EXPECT_EQ(QApplication::clipboard()->text(), "Horvat");
    second->setFocus();
    choose("&Edit", "&Paste");
    EXPECT_EQ(second->text(), "Horvat");
    first->setFocus();
    first->setSelection(0, 3);
    choose("&Edit", "Cu&t");
    EXPECT_EQ(first->text(), "vat");
    EXPECT_EQ(QApplication::clipboard()->text(), "Hor");
}

TEST_F(Frame, AboutWindow) {
    QStringList lines;
    QString title;
    test::ModalSteps steps;
    steps.then([&](QWidget* w) {
        title = w->windowTitle();
        for (auto* label : w->findChildren<QLabel*>()) lines << label->text();
        QTest::mouseClick(test::buttonNamed(w, "&Zatvori"), Qt::LeftButton);
    });
    choose("Po&moć", "&O programu");
    EXPECT_TRUE(steps.allDone());
    EXPECT_EQ(title, "O programu Pramo V1.01");
    ASSERT_EQ(lines.size(), 3);
    EXPECT_FALSE(lines[0].isEmpty());
    EXPECT_EQ(lines[1], "JOPPD obrasce, ispis virmana (HUB3 ili HUB 3A), potvrde na kraju godine.");
    EXPECT_TRUE(QRegularExpression("^Verzija 1\\.01, stope općina i šifarnici: stanje \\d\\d\\.\\d\\d\\.\\d{4}\\.$").match(lines[2]).hasMatch())
        << lines[2].toStdString();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(Frame, PrintSetupWithoutAPrinterSaysSo) {
    if (anyPrinterInstalled()) GTEST_SKIP() << "this computer has a printer";
    choose("&File", "&Print Setup ...");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("nije instaliran nijedan pisač"), std::string::npos);
}

// The user answers the real boxes of the re-initialisation.
TEST_F(Frame, ReinitialisationFromTheMenu) {
    {
        FileUse use(ctx().files, {&Isplate::table});
        Isplate isp;
        isp.oznaka = 1;
        ASSERT_EQ(store().add(isp), StoreCode::Ok);
    }
    struct Case {
        std::vector<const char*> clicks;  // "" presses Escape
        QStringList texts;
        std::int64_t paymentsLeft;
    };
    const Case cases[] = {
        {{""}, {"ŽELITE LI STVARNO IZBRISATI SVE ISPLATE?", "PODACI NISU BRISANI"}, 1},
        {{"DA", "NE"}, {"ŽELITE LI STVARNO IZBRISATI SVE ISPLATE?", "JESTE LI SIGURNI?", "PODACI NISU BRISANI"}, 1},
        {{"DA", "DA"}, {"ŽELITE LI STVARNO IZBRISATI SVE ISPLATE?", "JESTE LI SIGURNI?", "ISPLATE SU IZBRISANE"}, 0},
    };
    for (const Case& c : cases) {
        QtMessages real([](int) { FAIL() << "the program must not end here"; });
        AppContext gui{ctx().store, ctx().files, ctx().ri, real, ctx().glo, ctx().clock, ctx().dataDir};
        MainWindow frame(gui, screens);
        frame.show();
        QStringList texts;
        test::ModalSteps steps;
        for (const char* click : c.clicks) {
            steps.then([&texts, click](QWidget* w) {
                texts << qobject_cast<QMessageBox*>(w)->text();
                if (*click) QTest::mouseClick(test::buttonNamed(w, click), Qt::LeftButton);
                else QTest::keyClick(w, Qt::Key_Escape);
            });
        }
        steps.then([&texts](QWidget* w) {
            texts << qobject_cast<QMessageBox*>(w)->text();
            QTest::keyClick(w, Qt::Key_Return);
        });
        QMenu* menu = nullptr;
        for (QAction* a : frame.menuBar()->actions())
            if (a->text() == "&File") menu = a->menu();
        ASSERT_NE(menu, nullptr);
        QTest::mouseClick(frame.menuBar(), Qt::LeftButton, {}, frame.menuBar()->actionGeometry(menu->menuAction()).center());
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item(menu, "Inicijalizacija")).center());
        EXPECT_TRUE(steps.allDone());
        EXPECT_EQ(texts, c.texts);
        EXPECT_EQ(count(Isplate::table), c.paymentsLeft);
    }
}

}  // namespace
}  // namespace pramo
