#include <sqlite3.h>

#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>

#include "records/layouts/mjesta.h"
#include "records/layouts/opcine.h"
#include "records/layouts/osobe.h"
#include "preview/ui/printer_params.h"
#include "ui/screens_fixture.h"
#include "ui/test_screens.h"

namespace pramo {
namespace {

using test::formOf;
using test::ModalSteps;

class ListScreenTest : public test::ScreensFixture {
protected:
    void addPlace(int oznaka, const std::string& naziv, int opcina = 0) {
        FileUse use(ctx().files, {&Mjesta::table});
        Mjesta m;
        m.oznaka = oznaka;
        m.naziv = naziv;
        m.opcina = opcina;
        ASSERT_EQ(store().add(m), StoreCode::Ok);
    }
    void addMunicipality(int oznaka, const std::string& naziv) {
        FileUse use(ctx().files, {&Opcine::table});
        Opcine o;
        o.oznaka = oznaka;
        o.naziv = naziv;
        ASSERT_EQ(store().add(o), StoreCode::Ok);
    }
    void addPayee(const std::string& prezime, int mjesto = 0) {
        FileUse use(ctx().files, {&Osobe::table});
        Osobe o;
        o.prezime = prezime;
        o.mjesto = mjesto;
        ASSERT_EQ(store().add(o), StoreCode::Ok);
    }
    // The popup menu as (text, enabled) pairs, separators as "-".
    static std::vector<std::pair<std::string, bool>> popup(ListPanel& list) {
        std::vector<std::pair<std::string, bool>> items;
        QTimer::singleShot(0, [&items] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            for (QAction* a : menu->actions()) items.emplace_back(a->isSeparator() ? "-" : a->text().toStdString(), a->isEnabled());
            menu->close();
        });
        const QPoint at(10, 10);
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, list.view()->viewport()->mapToGlobal(at));
        QApplication::sendEvent(list.view()->viewport(), &click);
        return items;
    }
};

TEST_F(ListScreenTest, StepLocatorMovesThroughTheRecordsStartingWithALetter) {
    for (const char* name : {"Cole", "Berg", "Aaron", "Bach"}) addPlace(0, name);
    ListPanel& list = open(test::mjestaList);
    EXPECT_EQ(highlighted(list), "Aaron");
    const std::vector<std::pair<QString, std::string>> steps{
        {"b", "Bach"}, {"b", "Berg"}, {"b", "Bach"}, {"C", "Cole"}, {"c", "Cole"}, {"a", "Aaron"}, {"x", "Cole"}};
    for (const auto& [typed, expected] : steps) {
        type(list, typed);
        EXPECT_EQ(highlighted(list), expected) << "after " << typed.toStdString();
    }
}

TEST_F(ListScreenTest, EntryLocatorFindsWhenItsValueIsAccepted) {
    for (const char* name : {"Cole", "Berg", "Aaron", "Bach"}) addPlace(0, name);
    ListSpec spec = test::mjestaList;
    spec.tabs[0].locator = Locator::Entry;
    ListPanel& list = open(spec);
    ASSERT_TRUE(list.locatorEntry()->isVisible());
    type(list, "c");  // typing in the list itself locates nothing here
    EXPECT_EQ(highlighted(list), "Aaron");
    QTest::keyClicks(list.locatorEntry(), "be");
    EXPECT_EQ(highlighted(list), "Aaron");
    QTest::keyClick(list.locatorEntry(), Qt::Key_Return);
    EXPECT_EQ(highlighted(list), "Berg");
}

TEST_F(ListScreenTest, PopupMenuAndButtonsFollowTheListAndTheMode) {
    using Items = std::vector<std::pair<std::string, bool>>;
    ListPanel& empty = open(browseParam);
    EXPECT_EQ(popup(empty), (Items{{"&Unesi", true}, {"&Mijenjaj", false}, {"&Briši", false}, {"-", true}, {"&Odaberi", false}}));
    EXPECT_TRUE(empty.button(ListButton::Insert)->isEnabled());
    EXPECT_FALSE(empty.button(ListButton::Change)->isEnabled());
    EXPECT_FALSE(empty.button(ListButton::Delete)->isEnabled());
    EXPECT_TRUE(empty.button(ListButton::Select)->isVisible());
    EXPECT_FALSE(empty.button(ListButton::Select)->isEnabled());
    EXPECT_EQ(empty.button(ListButton::Select)->text(), "O&daberi");

    addParam(1, "Epson");
    ListPanel& plain = open(browseParam);
    EXPECT_EQ(popup(plain), (Items{{"&Unesi", true}, {"&Mijenjaj", true}, {"&Briši", true}, {"-", true}, {"&Odaberi", false}}));
    EXPECT_TRUE(plain.button(ListButton::Change)->isEnabled());
    EXPECT_FALSE(plain.button(ListButton::Select)->isDefault());

    RecordBuffer buffer(Param::table);
    ListPanel& selecting = open(browseParam, Request::Select, &buffer);
    EXPECT_EQ(popup(selecting), (Items{{"&Unesi", true}, {"&Mijenjaj", true}, {"&Briši", true}, {"-", true}, {"&Odaberi", true}}));
    EXPECT_TRUE(selecting.button(ListButton::Select)->isEnabled());
    EXPECT_TRUE(selecting.button(ListButton::Select)->isDefault());
}

TEST_F(ListScreenTest, KeysAndDoubleClickCallTheForm) {
    addParam(1, "Epson");
    addParam(2, "Oki");
    ListPanel& list = open(browseParam);
    QStringList captions;
    const auto cancelForm = [&captions](QWidget* modal) {
        captions << modal->windowTitle();
        formOf(modal).reject();
    };
    ModalSteps steps;
    steps.then(cancelForm).then(cancelForm).then(cancelForm);
    key(list, Qt::Key_Down);
    key(list, Qt::Key_Insert);
    key(list, Qt::Key_Return, Qt::ControlModifier);
    const QRect row = list.view()->visualRect(list.view()->model()->index(1, 0));
    QTest::mouseClick(list.view()->viewport(), Qt::LeftButton, {}, row.center());  // a double-click's first click
    QTest::mouseDClick(list.view()->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(captions, (QStringList{"Unos", "Promjene", "Promjene"}));
    EXPECT_TRUE(steps.allDone());

    messages.answers = {ButtonCancel};
    key(list, Qt::Key_Delete);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].warningId, 32);
    EXPECT_TRUE(param(2).has_value());
    EXPECT_EQ(count(Param::table), 2);
    EXPECT_EQ(highlighted(list), "2");
}

TEST_F(ListScreenTest, SelectModeOpensOnTheBufferAndHandsBackTheChoice) {
    for (int i = 1; i <= 5; ++i) addParam(i * 10, "P" + std::to_string(i));
    Param par;
    par.oznaka = 25;  // no such record: the list opens at the next one, 30
    std::string openedOn;
    ModalSteps steps;
    steps.then([&](QWidget* modal) {
        ListPanel* list = modal->findChild<ListScreen*>()->panel();
        openedOn = highlighted(*list);
        key(*list, Qt::Key_Down);
        key(*list, Qt::Key_Return);
    });
    EXPECT_EQ(selectParam(ctx(), par, nullptr), Response::Completed);
    EXPECT_EQ(openedOn, "30");
    EXPECT_EQ(par.oznaka, 40);
    EXPECT_EQ(par.modelprintera, "P4");
    EXPECT_EQ(ctx().glo.globalResponse, Response::Completed);

    steps.then([](QWidget* modal) { test::buttonNamed(modal, "Zatvori")->click(); });
    EXPECT_EQ(selectParam(ctx(), par, nullptr), Response::Cancelled);
    EXPECT_EQ(par.oznaka, 40);
}

TEST_F(ListScreenTest, PlacesBelowFollowTheHighlightedMunicipality) {
    addMunicipality(7, "Zagreb");
    addMunicipality(3, "Split");
    addPlace(1, "Sesvete", 7);
    addPlace(2, "Stobreč", 3);
    addPlace(3, "Split", 3);
    addPlace(4, "Zagreb", 7);
    ListPanel& opcine = open(test::opcineList);
    ListPanel& mjesta = *screen->panelOf(test::mjestaOpcine);
    EXPECT_EQ(highlighted(opcine), "Split");
    EXPECT_EQ(column(mjesta, 0), (std::vector<std::string>{"Stobreč", "Split"}));
    EXPECT_EQ(column(mjesta, 2), (std::vector<std::string>{"Split", "Split"}));
    key(opcine, Qt::Key_Down);
    EXPECT_EQ(column(mjesta, 0), (std::vector<std::string>{"Sesvete", "Zagreb"}));

    ModalSteps steps;
    steps.then([](QWidget* modal) {
        FormScreen& form = formOf(modal);
        EXPECT_EQ(entry(form, "OPCINA")->text(), "7");  // the new place starts in the highlighted municipality
        retype(entry(form, "NAZIV"), "Dubrava");
        form.okButton()->click();
    });
    mjesta.button(ListButton::Insert)->click();
    EXPECT_TRUE(steps.allDone());
    EXPECT_EQ(column(mjesta, 0), (std::vector<std::string>{"Sesvete", "Zagreb", "Dubrava"}));
    EXPECT_EQ(highlighted(mjesta), "Dubrava");
}

TEST_F(ListScreenTest, ATabRangedByAListBesideIt) {
    addPlace(1, "Zadar");
    addPlace(2, "Osijek");
    addPayee("Horvat", 1);
    addPayee("Babić", 2);
    addPayee("Anić", 1);
    ListPanel& osobe = open(test::osobeList);
    ListPanel& mjesta = *screen->panelOf(test::mjestaList);
    EXPECT_FALSE(mjesta.isVisible());
    EXPECT_EQ(column(osobe, 0), (std::vector<std::string>{"Anić", "Babić", "Horvat"}));
    osobe.setCurrentTab(1);
    EXPECT_TRUE(mjesta.isVisible());
    EXPECT_EQ(highlighted(mjesta), "Osijek");
    EXPECT_EQ(column(osobe, 0), (std::vector<std::string>{"Babić"}));
    key(mjesta, Qt::Key_Down);
    EXPECT_EQ(column(osobe, 0), (std::vector<std::string>{"Horvat", "Anić"}));
    EXPECT_EQ(column(osobe, 2), (std::vector<std::string>{"Zadar", "Zadar"}));
}

TEST_F(ListScreenTest, IncrementalLocatorAndSurnameThumb) {
    for (const char* p : {"Anić", "Babić", "Horvat", "Horvatić", "Kovač", "Zorić"}) addPayee(p);
    ListPanel& list = open(test::osobeList);
    const std::vector<std::pair<std::function<void()>, std::string>> steps{
        {[&] { type(list, "hor"); }, "Horvat"},
        {[&] { type(list, "vati"); }, "Horvatić"},
        {[&] { key(list, Qt::Key_Backspace); }, "Horvat"},
        {[&] { for (int i = 0; i < 7; ++i) key(list, Qt::Key_Backspace); }, "Anić"},
        {[&] { type(list, "k"); }, "Kovač"},
        {[&] { list.thumbBar()->setSliderPosition(30); }, "Horvat"},  // stop 30 is "HF"
        {[&] { list.thumbBar()->setSliderPosition(100); }, "Zorić"},
        {[&] { list.thumbBar()->setSliderPosition(1); }, "Anić"},
    };
    for (const auto& [act, expected] : steps) {
        act();
        EXPECT_EQ(highlighted(list), expected);
    }
    key(list, Qt::Key_Down);  // Babić: the first stop not below "BABIĆ" is "BF", position 6
    EXPECT_EQ(list.thumbBar()->value(), 6);
}

TEST_F(ListScreenTest, NumericThumbStopsAndPaging) {
    for (int i = 1; i <= 100; ++i) addParam(i, "P");
    ListPanel& list = open(browseParam);
    list.thumbBar()->setSliderPosition(37);  // stops 1..100 lie on the records 1..100
    EXPECT_EQ(highlighted(list), "37");
    key(list, Qt::Key_Down);
    EXPECT_EQ(highlighted(list), "38");
    EXPECT_EQ(list.thumbBar()->value(), 38);
    key(list, Qt::Key_End);
    EXPECT_EQ(highlighted(list), "100");
    key(list, Qt::Key_Home);
    EXPECT_EQ(highlighted(list), "1");
    const int page = list.page().capacity();
    key(list, Qt::Key_PageDown);
    EXPECT_EQ(highlighted(list), std::to_string(1 + page));
    EXPECT_EQ(list.page().rows().size(), static_cast<std::size_t>(page));
}

TEST_F(ListScreenTest, RefreshesWhenItGetsTheFocusBack) {
    addParam(1, "Epson");
    addParam(3, "Oki");
    ListPanel& list = open(browseParam);
    key(list, Qt::Key_Down);
    Store other;  // another program on the same data directory
    ASSERT_EQ(other.openDatabase(dir.file("pramo.db")), StoreCode::Ok);
    Param p;
    p.oznaka = 2;
    ASSERT_EQ(other.add(p), StoreCode::Ok);
    QFocusEvent focus(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(list.view(), &focus);
    EXPECT_EQ(column(list, 0), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(highlighted(list), "3");
}

TEST_F(ListScreenTest, ARangeThatCannotBeFormedIsLeftOut) {
    addParam(1, "Epson");
    addParam(2, "Oki");
    ListSpec spec = browseParam;
    spec.tabs[0].range = rangeBy<Param>(1, [this](const ListPanel&, Param&) {
        store().setError(StoreCode::FileSystem);
        return false;
    });
    ListPanel& list = open(spec);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].warningId, 36);
    EXPECT_EQ(messages.shown[0].title, "View Open Error");
    EXPECT_EQ(column(list, 0), (std::vector<std::string>{"1", "2"}));
}

TEST_F(ListScreenTest, AReadErrorEndsTheList) {
    for (int i = 1; i <= 40; ++i) addParam(i, "P");
    ListPanel& list = open(browseParam);
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(dir.file("pramo.db").c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "DROP TABLE PARAM", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(other);
    key(list, Qt::Key_PageDown);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].warningId, 35);
    EXPECT_NE(messages.shown[0].text.find("from the param file"), std::string::npos) << messages.shown[0].text;
    EXPECT_FALSE(screen->isVisible());
    EXPECT_EQ(screen->response(), Response::Cancelled);
}

}  // namespace
}  // namespace pramo
