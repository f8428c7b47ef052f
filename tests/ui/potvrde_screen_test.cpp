#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "preview/page_text.h"
#include "preview/ui/full_preview.h"
#include "records/layouts/osobe.h"
#include "reports/ui/potvrde_screen.h"
#include "shell/list/list_panel.h"
#include "shell/list/page_view.h"
#include "support/office.h"
#include "ui/preview_test_support.h"
#include "ui/shell_fixture.h"

namespace pramo {
namespace {

// POTVRDE over the shared office: payer 1 paid Horvat in 2009 and 2015 and Kovačević in 2015.
class PotvrdeUi : public test::ShellFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(start());
        office = std::make_unique<test::Office>(ctx().files);
        office->standardRegisters();
        for (const auto& [n, day] : {std::pair{1, test::date(2015, 3, 10)}, {2, test::date(2009, 6, 1)}}) {
            office->add(Isplate{.oznaka = n, .isplatitelj = 1, .datum = day, .godina = std::to_string(day.year())});
        }
        office->item({.oznaka = 1, .rednibroj = 1, .isplata = 1, .djelatnik = 1, .vrstadohotka = 1, .neto = test::money("1000")});
        office->item({.oznaka = 2, .rednibroj = 2, .isplata = 1, .djelatnik = 2, .vrstadohotka = 2, .neto = test::money("500")});
        office->item({.oznaka = 3, .rednibroj = 1, .isplata = 2, .djelatnik = 1, .vrstadohotka = 1, .neto = test::money("100")});
    }
    void TearDown() override { delete screen; }

    // Opens the screen the menu command "Potvrde" opens.
    PotvrdeScreen& open() {
        ScreenRegistry registry;
        registerAllScreens(registry);
        const ScreenFactory* factory = registry.find(MenuCommand::Potvrde);
        EXPECT_NE(factory, nullptr);
        screen = qobject_cast<PotvrdeScreen*>((*factory)(ctx()));
        screen->setAttribute(Qt::WA_DeleteOnClose, false);
        screen->resize(700, 700);
        screen->show();
        return *screen;
    }
    void activate() {
        screen->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(screen));
    }
    QLineEdit* entry(const char* name) const { return screen->findChild<QLineEdit*>(name); }
    // Presses F12 and answers the preview: the text of every page.
    QStringList printed() {
        QStringList pages;
        test::whenModalOpens<FullPreview>([&](FullPreview* p) {
            for (const Page& page : p->pages().pages()) pages << pageAsText(page).join('\n');
            p->reject();
        });
        activate();  // also after a preview has closed
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F12);
        return pages;
    }

    std::unique_ptr<test::Office> office;
    PotvrdeScreen* screen = nullptr;
};

TEST_F(PotvrdeUi, OfferedYearByTheMonth) {
    const struct { Date today; const char* year; } cases[] = {{test::date(2015, 7, 31), "2014"}, {test::date(2015, 8, 1), "2015"}};
    for (const auto& c : cases) {
        clock.set(c.today);
        open();
        EXPECT_EQ(screen->windowTitle(), "Ispis potvrda o isplaćenom dohotku");
        EXPECT_EQ(entry("godina")->text(), c.year) << c.today.toString();
        delete screen;
    }
    screen = nullptr;
}

TEST_F(PotvrdeUi, SurnameSearchShowsThePayeeAndThePayer) {
    open();
    activate();
    EXPECT_EQ(entry("prezime")->text(), "Horvat");
    entry("prezime")->setFocus();
    entry("prezime")->selectAll();
    QTest::keyClicks(entry("prezime"), "Kov");
    QTest::keyClick(entry("prezime"), Qt::Key_Return);
    EXPECT_EQ(screen->payees()->highlighted<Osobe>()->oznaka, 2);
    EXPECT_TRUE(screen->payees()->view()->hasFocus());
    EXPECT_EQ(entry("ime")->text(), "Ana");
    EXPECT_EQ(entry("isplatitelj")->text(), "Pramo d.o.o.");
    EXPECT_EQ(screen->choice().payee, 2);
    EXPECT_EQ(screen->choice().payer, 1);
}

TEST_F(PotvrdeUi, KeypadStepsYearAndDate) {
    open();
    ctx().glo.datumizvj = test::date(2016, 1, 1);
    delete screen;
    open();
    QTest::keyClick(entry("godina"), Qt::Key_Plus, Qt::KeypadModifier);
    QTest::keyClick(entry("godina"), Qt::Key_Plus, Qt::KeypadModifier);
    QTest::keyClick(entry("godina"), Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(entry("godina")->text(), "2015");
    QTest::keyClick(entry("datum"), Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(entry("datum")->text(), "31.12.2015");
    EXPECT_EQ(ctx().glo.datumizvj, test::date(2015, 12, 31));
}

TEST_F(PotvrdeUi, F12PrintsTheYearsCertificate) {
    open();
    entry("godina")->setText("2015");
    ctx().glo.datumizvj = test::date(2016, 1, 20);
    entry("datum")->setText("20.01.2016");
    QStringList pages = printed();
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages[0].contains("Ivan Horvat"));
    EXPECT_TRUE(pages[0].contains("2015. GODINI"));
    EXPECT_TRUE(pages[0].contains("Zagreb, 20.01.2016"));
    EXPECT_TRUE(pages[0].contains("11 (4-7-10)"));
    entry("godina")->setText("2009");
    pages = printed();
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages[0].contains("12 (4-7-10-11)"));
    EXPECT_TRUE(screen->isVisible()) << "the screen stays open after printing";
}

TEST_F(PotvrdeUi, EveryPayeeOfThePayer) {
    open();
    entry("godina")->setText("2015");
    screen->findChild<QCheckBox*>()->setChecked(true);
    const QStringList pages = printed();
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains("Ivan Horvat"));
    EXPECT_TRUE(pages[1].contains("Ana Kovačević"));
}

}  // namespace
}  // namespace pramo
