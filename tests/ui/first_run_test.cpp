// The first run: new books say in the main window what they lack (municipalities, income types, a
// payer), nothing is loaded until the user presses a step's key, and each row goes once done.

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include "records/layouts/opcine.h"
#include "records/layouts/stopeopcina.h"
#include "records/layouts/subjekti.h"
#include "records/layouts/vrstedoh.h"
#include "records/store/read_linked.h"
#include "registers/ui/screens.h"
#include "shell/desktop/first_run_panel.h"
#include "shell/desktop/main_window.h"
#include "support/office.h"
#include "ui/screens_fixture.h"

namespace pramo {
namespace {

using test::formOf;
using test::ModalSteps;

class FirstRun : public test::ShellFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(start());
        registerRegistersScreens(screens);
    }
    void TearDown() override { window.reset(); }

    void openWindow() {
        window = std::make_unique<MainWindow>(ctx(), screens);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QApplication::processEvents();
    }
    FirstRunPanel* panel() const { return window->firstRunPanel(); }
    // The steps offered, by the texts of their rows.
    QStringList offered() const {
        QStringList out;
        if (panel()->isHidden()) return out;
        for (auto* b : panel()->findChildren<QPushButton*>())
            if (!b->isHidden()) out << b->text();
        return out;
    }
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        QApplication::processEvents();
    }

    ScreenRegistry screens;
    std::unique_ptr<MainWindow> window;
};

const QString municipalities = "&1  Učitaj općine isporučene s programom (sa stopama poreza)";
const QString types = "&2  Učitaj početne vrste dohotka (ugovori o djelu, autorski honorari, neoporezivi primici)";
const QString payer = "&3  Upiši isplatitelja";

// Each step by its key, in any order, from the step that has the focus; the row goes once its file
// has records, and the band with the last.
TEST_F(FirstRun, EachStepByItsKeyAndTheRowGoes) {
    openWindow();
    EXPECT_EQ(offered(), (QStringList{municipalities, types, payer}));
    EXPECT_EQ(QApplication::focusWidget()->property("text").toString(), municipalities);
    EXPECT_EQ(count(Opcine::table) + count(Vrstedoh::table) + count(Subjekti::table), 0);  // nothing without a key

    press(Qt::Key_2, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return count(Vrstedoh::table) == 6; }));  // a button's key clicks it a moment later
    EXPECT_EQ(window->statusBar()->currentMessage(), "Vrste dohotka: dodano 6.");
    EXPECT_EQ(offered(), (QStringList{municipalities, payer}));
    EXPECT_EQ(QApplication::focusWidget()->property("text").toString(), municipalities);

    press(Qt::Key_1);
    EXPECT_EQ(count(Opcine::table), 569);  // with the countries abroad
    EXPECT_GT(count(Stopeopcina::table), 500);  // and the municipalities' income-tax rates
    EXPECT_EQ(window->statusBar()->currentMessage().left(35), "Općine: dodano 569. Stope poreza na");
    EXPECT_EQ(offered(), (QStringList{payer}));

    ModalSteps steps;
    steps.then([](QWidget* modal) {
        FormScreen& form = formOf(modal);
        EXPECT_EQ(form.windowTitle(), "Unos isplatitelja");
        test::ScreensFixture::typeInto(form.editor("NAZIV"), "Obrt Marko");
        form.okButton()->click();
    });
    press(Qt::Key_3);
    EXPECT_TRUE(QTest::qWaitFor([&] { return steps.allDone() && window->mdiArea()->subWindowList().isEmpty(); }));
    EXPECT_EQ(count(Subjekti::table), 1);
    EXPECT_TRUE(offered().isEmpty());
    EXPECT_TRUE(panel()->isHidden());
}

// Books that have what the steps give show no band; a payer form given up keeps its step.
TEST_F(FirstRun, OnlyWhatIsMissingIsOffered) {
    test::Office office(ctx().files);
    office.standardRegisters();
    openWindow();
    EXPECT_TRUE(panel()->isHidden());
    window.reset();

    Subjekti sub;
    ASSERT_EQ(readLinked(store(), 1, sub), StoreCode::Ok);
    ASSERT_EQ(ctx().ri.remove(sub), RiResult::Done);
    openWindow();
    EXPECT_EQ(offered(), (QStringList{payer}));
    ModalSteps steps;
    steps.then([](QWidget* modal) { formOf(modal).cancelButton()->click(); });
    press(Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return steps.allDone() && window->mdiArea()->subWindowList().isEmpty(); }));
    EXPECT_EQ(offered(), (QStringList{payer}));
    EXPECT_EQ(QApplication::focusWidget()->property("text").toString(), payer);
}

}  // namespace
}  // namespace pramo
