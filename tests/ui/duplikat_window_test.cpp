// DUPLIKAT opened from the payments list with Ctrl and numeric 2: the proposal, the copy made
// once and refused the second time, the date moved and refused, and a copy failing part way.

#include <QLabel>
#include <QToolButton>
#include <sqlite3.h>

#include "payments/lines.h"
#include "payments/ui/duplikat_window.h"
#include "support/raw_db.h"
#include "ui/payments_fixture.h"

namespace pramo {
namespace {

using test::date;
using test::ModalSteps;

class DuplikatTest : public test::PaymentsFixture {
protected:
    void SetUp() override {
        PaymentsFixture::SetUp();
        pay(1, date(2015, 3, 2));
        pay(2, date(2015, 3, 14));
        office->item({.oznaka = 1, .rednibroj = 1, .isplata = 1, .djelatnik = 1, .vrstadohotka = 1, .neto = test::money("800")}, 1);
        office->item({.oznaka = 2, .rednibroj = 2, .isplata = 1, .djelatnik = 2, .vrstadohotka = 2, .neto = test::money("90")}, 2);
    }
    // Opens DUPLIKAT on the second payment of the list (at first payment 1) with Ctrl and 2 (of
    // the keypad unless said otherwise) and runs `step` on it.
    void duplicate(ModalSteps::Step step, Qt::KeyboardModifiers keys = Qt::ControlModifier | Qt::KeypadModifier) {
        IsplateScreen& s = openPayments();
        key(*s.payments(), Qt::Key_Down);
        ModalSteps steps;
        steps.then(std::move(step));
        s.payments()->view()->setFocus();
        QTest::keyClick(s.payments()->view(), Qt::Key_2, keys);
        EXPECT_TRUE(steps.allDone());
    }
    static DuplikatWindow& windowOf(QWidget* modal) { return *qobject_cast<DuplikatWindow*>(modal); }
    // An item's lines as "position=amount", in position order.
    std::vector<std::string> linesOf(std::int32_t item) {
        std::vector<Obracun> lines;
        EXPECT_EQ(readLines(store(), item, lines), StoreCode::Ok);
        std::vector<std::string> out;
        for (const Obracun& l : lines) out.push_back(std::to_string(l.pozicija) + "=" + l.iznos.toString());
        return out;
    }
};

TEST_F(DuplikatTest, CopiesOnceAndRefusesTheSecondTime) {
    const auto before = counts();
    duplicate([&](QWidget* modal) {
        DuplikatWindow& w = windowOf(modal);
        EXPECT_EQ(w.windowTitle(), "Dupliciranje postojeće isplate");
        EXPECT_GT(w.width(), w.fontMetrics().horizontalAdvance(w.windowTitle()) + 100);  // the title is not cut
        EXPECT_EQ(w.datum()->text(), "15.03.2015");  // today's RS Id is taken
        EXPECT_EQ(w.rsid()->text(), "15074");
        EXPECT_FALSE(w.status()->isVisible());
        w.napraviNovu()->click();
        EXPECT_EQ(w.status()->text(), "Gotovo");
        w.napraviNovu()->click();
        EXPECT_EQ(lastMessage(), paymentRefusedText);
        w.reject();
    });
    EXPECT_EQ(counts(), (std::vector<std::int64_t>{before[0] + 1, before[1] + 2, before[2] + 28, before[3] + 2}));
    EXPECT_EQ(column(*isplate->payments(), 0), (std::vector<std::string>{"15074", "15073", "15061"}));
}

// "Duplikat(Ctrl2)": the 2 above the letters opens it as the keypad's does (a laptop has no keypad).
TEST_F(DuplikatTest, CtrlAndTheTwoAboveTheLettersOpenIt) {
    duplicate([](QWidget* modal) {
        DuplikatWindow& w = windowOf(modal);
        EXPECT_EQ(w.windowTitle(), "Dupliciranje postojeće isplate");
        w.reject();
    }, Qt::ControlModifier);
}

// The up button moves the date and the RS Id; an impossible date is refused with a message and no
// copy is made; the Down arrow moves to the next field.
TEST_F(DuplikatTest, DateMovesAndAnImpossibleOneIsRefused) {
    const auto before = counts();
    duplicate([&](QWidget* modal) {
        DuplikatWindow& w = windowOf(modal);
        w.datum()->parentWidget()->findChildren<QToolButton*>()[0]->click();
        EXPECT_EQ(w.datum()->text(), "16.03.2015");
        EXPECT_EQ(w.rsid()->text(), "15075");
        QApplication::setActiveWindow(&w);
        w.datum()->setFocus();
        QTest::keyClick(w.datum(), Qt::Key_Down);
        EXPECT_EQ(QApplication::focusWidget(), w.rsid());
        test::ScreensFixture::retype(w.datum(), "31.04.2015");
        w.napraviNovu()->click();
        EXPECT_EQ(lastMessage(), "Datum: datum nije ispravan (dd.mm.gggg).");
        w.reject();
    });
    EXPECT_EQ(counts(), before);
}

// A payment without items is copied as an empty payment; an item's copy carries lines 13 and 14
// and a hand-entered line exactly as stored.
TEST_F(DuplikatTest, EmptyPaymentAndHandLinesAreCopied) {
    ASSERT_EQ(writeLine(store(), 1, std::uint16_t{20}, test::money("12.34")), StoreCode::Ok);
    // Payment 1 first; its copy (15074) then comes first in the list and payment 2 second.
    const std::vector<std::int64_t> added[] = {{1, 2, 29, 2}, {1, 0, 0, 0}};
    for (const auto& a : added) {
        auto expected = counts();
        for (std::size_t i = 0; i < expected.size(); ++i) expected[i] += a[i];
        duplicate([](QWidget* modal) {
            windowOf(modal).napraviNovu()->click();
            windowOf(modal).reject();
        });
        EXPECT_EQ(counts(), expected) << a[1];
    }
    const std::pair<std::int32_t, std::int32_t> copies[] = {{1, 3}, {2, 4}};
    for (const auto& [from, to] : copies) EXPECT_EQ(linesOf(to), linesOf(from)) << from;
    EXPECT_EQ(linesOf(3).size(), 15u);  // 1 to 14 and the hand line
}

TEST_F(DuplikatTest, ACopyFailingPartWayLeavesNothing) {
    test::RawDb raw(dir.file("pramo.db"));
    ASSERT_EQ(raw.exec("CREATE TRIGGER refuse BEFORE INSERT ON OBRACUN WHEN NEW.DOHODAK = 4 AND NEW.POZICIJA = 12 "
                       "BEGIN SELECT RAISE(ABORT, 'disk full'); END"), SQLITE_OK);
    const auto before = counts();
    duplicate([&](QWidget* modal) {
        DuplikatWindow& w = windowOf(modal);
        w.napraviNovu()->click();
        EXPECT_FALSE(w.status()->isVisible());
        EXPECT_NE(lastMessage().find("Nova isplata nije napravljena."), std::string::npos) << lastMessage();
        w.reject();
    });
    EXPECT_EQ(counts(), before);
}

}  // namespace
}  // namespace pramo
