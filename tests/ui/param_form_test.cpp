#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>

#include "records/layouts/mjesta.h"
#include "records/layouts/osobe.h"
#include "preview/ui/printer_params.h"
#include "ui/screens_fixture.h"
#include "ui/test_screens.h"

namespace pramo {
namespace {

using test::formOf;
using test::ModalSteps;

class ParamFormTest : public test::ScreensFixture {
protected:
    std::vector<int> warningIds() const {
        std::vector<int> ids;
        for (const auto& b : messages.shown) ids.push_back(b.warningId);
        return ids;
    }
    // The form opened on a copy of record `oznaka` (or on a new one) as its list would open it.
    Response runForm(Request request, int oznaka, ModalSteps::Step step) {
        RecordBuffer rec(Param::table);
        if (const auto stored = oznaka ? param(oznaka) : std::nullopt) rec.copyFrom(*stored);
        ModalSteps steps;
        steps.then(std::move(step));
        const Response r = callForm(ctx(), updateParam, request, rec, nullptr);
        EXPECT_TRUE(steps.allDone());
        return r;
    }
    static QToolButton* stepButton(FormScreen& form, std::string_view field, int index) {
        return form.editor(field)->parentWidget()->findChildren<QToolButton*>()[index];
    }
};

TEST_F(ParamFormTest, InsertThenCancelOnAnEmptyFileLeavesItEmpty) {
    ListPanel& list = open(browseParam);
    std::optional<Param> reserved;
    ModalSteps steps;
    steps.then([&](QWidget* modal) {
        FormScreen& form = formOf(modal);
        EXPECT_EQ(form.windowTitle(), "Unos");
        EXPECT_EQ(entry(form, "OZNAKA")->text(), "1");
        reserved = param(1);  // the number is taken at once, so another program cannot take it
        QTest::keyClicks(entry(form, "MODELPRINTERA"), "Epson");
        form.cancelButton()->click();
    });
    list.button(ListButton::Insert)->click();
    EXPECT_TRUE(steps.allDone());
    EXPECT_TRUE(reserved.has_value());
    EXPECT_EQ(count(Param::table), 0);
    EXPECT_TRUE(list.page().empty());
    EXPECT_EQ(ctx().glo.globalResponse, Response::Cancelled);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ParamFormTest, InsertSavesTheReservedRecordAndTheListMovesToIt) {
    for (int i = 1; i <= 3; ++i) addParam(i, "P" + std::to_string(i));
    ListPanel& list = open(browseParam);
    ModalSteps steps;
    steps.then([](QWidget* modal) {
        FormScreen& form = formOf(modal);
        EXPECT_EQ(entry(form, "OZNAKA")->text(), "4");
        QTest::keyClicks(entry(form, "MODELPRINTERA"), "Laserski HUB3");
        retype(entry(form, "XPOS"), "-5");
        form.okButton()->click();
    });
    list.button(ListButton::Insert)->click();
    const auto saved = param(4);
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(saved->modelprintera, "Laserski HUB3");
    EXPECT_EQ(saved->xpos, -5);
    EXPECT_EQ(highlighted(list, 0), "4");
    EXPECT_EQ(highlighted(list, 2), "-5");
    EXPECT_EQ(count(Param::table), 4);
}

TEST_F(ParamFormTest, OkWithoutAChangeWritesNothing) {
    addParam(1, "Epson", 3, 4);
    const std::uint64_t writes = store().writeCount();
    const Response r = runForm(Request::Change, 1, [](QWidget* modal) {
        EXPECT_EQ(modal->windowTitle(), "Promjene");
        formOf(modal).okButton()->click();
    });
    EXPECT_EQ(r, Response::Completed);
    EXPECT_EQ(store().writeCount(), writes);
    EXPECT_EQ(param(1)->row.version, 1);
}

TEST_F(ParamFormTest, ADuplicateNumberNamesTheKeyAndKeepsTheFormOpen) {
    addParam(1, "Epson");
    addParam(2, "Oki");
    const Response r = runForm(Request::Insert, 0, [this](QWidget* modal) {
        FormScreen& form = formOf(modal);
        retype(entry(form, "OZNAKA"), "1");
        form.okButton()->click();
        EXPECT_TRUE(form.isVisible());
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].title, "Greška dupliciranja");
        EXPECT_EQ(messages.shown[0].text, "Već postoji slog sa ovom vrijednosti za ključ:PAR:KeyOznaka");
        form.cancelButton()->click();
    });
    EXPECT_EQ(r, Response::Cancelled);
    EXPECT_EQ(count(Param::table), 2);  // the number reserved meanwhile (3) is given back
    EXPECT_EQ(param(1)->modelprintera, "Epson");
}

TEST_F(ParamFormTest, OffsetsStepByButtonsAndArrowKeys) {
    addParam(1, "Epson", 5, 7);
    runForm(Request::Change, 1, [](QWidget* modal) {
        FormScreen& form = formOf(modal);
        QLineEdit* x = entry(form, "XPOS");
        QLineEdit* y = entry(form, "YPOS");
        const std::vector<std::tuple<std::function<void()>, QString, QString>> steps{
            {[&] { stepButton(form, "XPOS", 0)->click(); }, "4", "7"},   // VODORAVNO −1
            {[&] { stepButton(form, "XPOS", 1)->click(); }, "5", "7"},   // VODORAVNO +1
            {[&] { QTest::keyClick(x, Qt::Key_Up); }, "6", "7"},
            {[&] { QTest::keyClick(x, Qt::Key_Down); }, "5", "7"},
            {[&] { stepButton(form, "YPOS", 0)->click(); }, "5", "6"},   // OKOMITO up: −1
            {[&] { stepButton(form, "YPOS", 1)->click(); }, "5", "7"},   // OKOMITO down: +1
            {[&] { QTest::keyClick(y, Qt::Key_Up); QTest::keyClick(y, Qt::Key_Up); }, "5", "9"},
            {[&] { QTest::keyClick(y, Qt::Key_Down); }, "5", "8"},
        };
        for (const auto& [act, ex, ey] : steps) {
            act();
            EXPECT_EQ(x->text(), ex);
            EXPECT_EQ(y->text(), ey);
        }
        form.okButton()->click();
    });
    EXPECT_EQ(param(1)->xpos, 5);
    EXPECT_EQ(param(1)->ypos, 8);
}

TEST_F(ParamFormTest, DittoPutsBackTheLastSavedValues) {
    runForm(Request::Insert, 0, [](QWidget* modal) {
        FormScreen& form = formOf(modal);
        QTest::keyClicks(entry(form, "MODELPRINTERA"), "Epson LX");
        retype(entry(form, "XPOS"), "3");
        form.okButton()->click();
    });
    runForm(Request::Insert, 0, [](QWidget* modal) {
        FormScreen& form = formOf(modal);
        EXPECT_EQ(entry(form, "MODELPRINTERA")->text(), "");
        for (const char* field : {"MODELPRINTERA", "XPOS", "YPOS"})
            QTest::keyClick(entry(form, field), Qt::Key_Apostrophe, Qt::ControlModifier);
        EXPECT_EQ(entry(form, "MODELPRINTERA")->text(), "Epson LX");
        EXPECT_EQ(entry(form, "XPOS")->text(), "3");
        EXPECT_EQ(entry(form, "OZNAKA")->text(), "2");
        form.okButton()->click();
    });
    EXPECT_EQ(param(2)->modelprintera, "Epson LX");
    EXPECT_EQ(param(2)->xpos, 3);
}

TEST_F(ParamFormTest, AnEntryItsPictureRejectsBeepsAndKeepsTheFocus) {
    addParam(1, "Epson", 5, 7);
    runForm(Request::Change, 1, [this](QWidget* modal) {
        FormScreen& form = formOf(modal);
        QSignalSpy rejected(&form, &FormScreen::entryRejected);
        QLineEdit* x = entry(form, "XPOS");
        QApplication::setActiveWindow(&form);
        x->setFocus();
        retype(x, "40000");  // beyond a SHORT
        QTest::keyClick(x, Qt::Key_Tab);
        QApplication::processEvents();
        ASSERT_EQ(rejected.count(), 1);
        EXPECT_EQ(rejected.at(0).at(0).toString(), "XPOS");
        EXPECT_EQ(QApplication::focusWidget(), x);
        form.okButton()->click();
        EXPECT_EQ(rejected.count(), 2);
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(param(1)->xpos, 5);
        retype(x, "12");
        form.okButton()->click();
    });
    EXPECT_EQ(param(1)->xpos, 12);
}

TEST_F(ParamFormTest, DeleteAsksFirst) {
    addParam(1, "Epson");
    addParam(2, "Oki");
    ListPanel& list = open(browseParam);
    messages.answers = {ButtonCancel, ButtonOk};
    key(list, Qt::Key_Delete);
    EXPECT_EQ(count(Param::table), 2);
    key(list, Qt::Key_Delete);
    EXPECT_EQ(warningIds(), (std::vector<int>{32, 32}));
    EXPECT_FALSE(param(1).has_value());
    EXPECT_EQ(column(list, 0), (std::vector<std::string>{"2"}));
    EXPECT_EQ(highlighted(list), "2");
}

TEST_F(ParamFormTest, ARefusedDeleteAsksToTryAgain) {
    {
        FileUse use(ctx().files, {&Mjesta::table, &Osobe::table});
        Mjesta m;
        m.oznaka = 1;
        m.naziv = "Zadar";
        ASSERT_EQ(store().add(m), StoreCode::Ok);
        Osobe o;
        o.oznaka = 1;
        o.prezime = "Horvat";
        o.mjesto = 1;
        ASSERT_EQ(store().add(o), StoreCode::Ok);
    }
    ListPanel& list = open(test::mjestaList);
    messages.answers = {ButtonOk, ButtonOk, ButtonYes, ButtonOk, ButtonNo};
    key(list, Qt::Key_Delete);
    EXPECT_EQ(warningIds(), (std::vector<int>{32, 13, 18, 13, 18}));
    EXPECT_NE(messages.shown[1].text.find("referenced from the file osobe"), std::string::npos);
    EXPECT_EQ(messages.shown[2].text, "An error was experienced deleting this record.  Do you want to try to save again?");
    EXPECT_EQ(count(Mjesta::table), 1);
    EXPECT_EQ(highlighted(list), "Zadar");
}

TEST_F(ParamFormTest, ARefusedChangeAsksToSaveAgain) {
    addParam(1, "Epson");
    addParam(2, "Oki");
    const Response r = runForm(Request::Change, 2, [this](QWidget* modal) {
        FormScreen& form = formOf(modal);
        retype(entry(form, "OZNAKA"), "1");  // the put is refused: number 1 exists
        messages.answers = {ButtonOk, ButtonCancel};
        form.okButton()->click();
        EXPECT_TRUE(form.isVisible());  // Cancel: back to the form
        messages.answers = {ButtonOk, ButtonNo};
        form.okButton()->click();
    });
    EXPECT_EQ(r, Response::Cancelled);  // No: closed without saving
    EXPECT_EQ(warningIds(), (std::vector<int>{15, 16, 15, 16}));
    EXPECT_EQ(param(2)->modelprintera, "Oki");
    EXPECT_EQ(param(1)->modelprintera, "Epson");
}

TEST_F(ParamFormTest, TheSecondToSaveSeesTheOtherVersion) {
    addParam(1, "Epson", 0, 0);
    Store other;  // the other program, on the same data directory
    ASSERT_EQ(other.openDatabase(dir.file("pramo.db")), StoreCode::Ok);
    const Response r = runForm(Request::Change, 1, [&](QWidget* modal) {
        FormScreen& form = formOf(modal);
        Param theirs;
        theirs.oznaka = 1;
        ASSERT_EQ(other.get(Param::keyOznaka, theirs), StoreCode::Ok);
        theirs.xpos = 9;
        ASSERT_EQ(other.put(theirs), StoreCode::Ok);

        retype(entry(form, "MODELPRINTERA"), "Moj Epson");
        form.okButton()->click();
        ASSERT_EQ(warningIds(), (std::vector<int>{38}));
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(entry(form, "XPOS")->text(), "9");
        EXPECT_EQ(entry(form, "MODELPRINTERA")->text(), "Epson");
        QTest::keyClick(entry(form, "MODELPRINTERA"), Qt::Key_Apostrophe, Qt::ControlModifier);
        EXPECT_EQ(entry(form, "MODELPRINTERA")->text(), "Moj Epson");
        form.okButton()->click();
    });
    EXPECT_EQ(r, Response::Completed);
    const auto stored = param(1);
    EXPECT_EQ(stored->modelprintera, "Moj Epson");
    EXPECT_EQ(stored->xpos, 9);
}

}  // namespace
}  // namespace pramo
