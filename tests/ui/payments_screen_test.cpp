// The payments list as a user works it: the three linked lists and their keys, the month and year
// fields, the commands' state, and the payment form through it.

#include <QAction>
#include <QRadioButton>
#include <QToolButton>

#include "payments/ui/payment_lists.h"
#include "preview/page_text.h"
#include "preview/ui/preview_window.h"
#include "ui/preview_test_support.h"
#include "ui/payments_fixture.h"

namespace pramo {
namespace {

using test::date;
using test::formOf;
using test::ModalSteps;

class PaymentsScreen : public test::PaymentsFixture {
protected:
    void SetUp() override {
        PaymentsFixture::SetUp();
        office->add(Subjekti{.oznaka = 2, .naziv = "Drugi obrt"});
        pay(1, date(2014, 10, 27));
        pay(2, date(2015, 3, 11));
        office->item({.oznaka = 1, .rednibroj = 1, .isplata = 2, .djelatnik = 2, .vrstadohotka = 2, .neto = test::money("1000")});
        office->item({.oznaka = 2, .rednibroj = 2, .isplata = 2, .djelatnik = 1, .vrstadohotka = 1, .neto = test::money("250.5")});
    }
};

// Payers by name; the highlighted payer's payments newest first; the highlighted payment's items
// with their payees and the JOPPD code and name of their type. The period follows the payment.
TEST_F(PaymentsScreen, TheThreeLinkedLists) {
    IsplateScreen& s = openPayments();
    EXPECT_EQ(column(*s.payers(), 0), (std::vector<std::string>{"Drugi obrt", "Pramo d.o.o."}));
    EXPECT_TRUE(s.payments()->page().empty());
    type(*s.payers(), "p");
    EXPECT_EQ(column(*s.payments(), 0), (std::vector<std::string>{"15070", "14300"}));
    EXPECT_EQ(column(*s.payments(), 2), (std::vector<std::string>{"11.03.2015", "27.10.2014"}));
    EXPECT_EQ(column(*s.items(), 1), (std::vector<std::string>{"Kovačević", "Horvat"}));
    EXPECT_EQ(column(*s.items(), 3), (std::vector<std::string>{"1.000,00", "250,50"}));
    EXPECT_EQ(column(*s.items(), 4), (std::vector<std::string>{"4001", "4030"}));
    EXPECT_EQ(column(*s.items(), 5)[0], "Autorski honorar");
    EXPECT_EQ(std::make_pair(s.month()->text(), s.year()->text()), std::make_pair(QString("03"), QString("2015")));
    key(*s.payments(), Qt::Key_Down);
    EXPECT_TRUE(s.items()->page().empty());
    EXPECT_EQ(std::make_pair(s.month()->text(), s.year()->text()), std::make_pair(QString("10"), QString("2014")));
    type(*s.payments(), "20");
    EXPECT_EQ(highlighted(*s.payments(), 0), "15070");
    key(*s.payments(), Qt::Key_Backspace);
    type(*s.payments(), "014");
    EXPECT_EQ(highlighted(*s.payments(), 0), "14300");
}

// Right: payers → payments → items → payers; Left: items → payments → payers (Shift+Tab), payers →
// items; F5 to the payments from anywhere.
TEST_F(PaymentsScreen, ArrowsMoveFromListToList) {
    IsplateScreen& s = openPayments();
    QWidget* views[] = {s.payers()->view(), s.payments()->view(), s.items()->view()};
    views[0]->setFocus();
    const std::pair<Qt::Key, int> steps[] = {{Qt::Key_Right, 1}, {Qt::Key_Right, 2}, {Qt::Key_Right, 0},
                                             {Qt::Key_Left, 2},  {Qt::Key_Left, 1},  {Qt::Key_Left, 0}};
    for (const auto& [k, to] : steps) {
        QTest::keyClick(QApplication::focusWidget(), k);
        EXPECT_EQ(QApplication::focusWidget(), views[to]) << to;
    }
    s.month()->setFocus();
    QTest::keyClick(s.month(), Qt::Key_F5);
    EXPECT_EQ(QApplication::focusWidget(), views[1]);
    EXPECT_EQ(s.payments()->view()->toolTip(),
              "Preglednik isplata - možete koristiti strelice LIJEVO i DESNO - za kretanje od liste do liste");
}

// Numeric + and − step the month (wrapping into the year) and the year.
TEST_F(PaymentsScreen, MonthAndYearFieldsStep) {
    IsplateScreen& s = openPayments();
    const struct {
        bool monthField;
        const char *month, *year;
        Qt::Key k;
        const char *toMonth, *toYear;
    } cases[] = {{true, "12", "2015", Qt::Key_Plus, "01", "2016"},  {true, "01", "2015", Qt::Key_Minus, "12", "2014"},
                 {true, "06", "2015", Qt::Key_Plus, "07", "2015"},  {false, "12", "2015", Qt::Key_Plus, "12", "2016"},
                 {false, "01", "2015", Qt::Key_Minus, "01", "2014"}};
    for (const auto& c : cases) {
        s.month()->setText(c.month);
        s.year()->setText(c.year);
        QTest::keyClick(c.monthField ? s.month() : s.year(), c.k, Qt::KeypadModifier);
        EXPECT_EQ(s.month()->text(), c.toMonth) << c.month << " " << c.year;
        EXPECT_EQ(s.year()->text(), c.toYear) << c.month << " " << c.year;
    }
    EXPECT_EQ(ctx().glo.godina, "2014");
}

// Every document command is there; HUB3A sets the laser printer before it prints.
TEST_F(PaymentsScreen, CommandsAndPrinterKind) {
    IsplateScreen& s = openPayments();
    for (const char* b : {"Duplikat(Ctrl2)", "ISPIS OBRAČUNA (F11)", "ISPIS OBRAČUNA DOHOTKA (F12)", "JOP - A",
                          "JOP kreiranje", "JOP - B", "HUB3", "HUB3A"}) {
        ASSERT_NE(test::buttonNamed(&s, b), nullptr) << b;
        EXPECT_TRUE(test::buttonNamed(&s, b)->isEnabled()) << b;
    }
    for (const char* m : {"RSm - A", "RSm - B", "IDD", "ID-1"}) EXPECT_NE(menuEntry(m), nullptr) << m;
    EXPECT_EQ(menuEntry("RSm - A")->shortcut(), QKeySequence("Ctrl+A"));
    EXPECT_EQ(test::buttonNamed(&s, "JOP kreiranje")->toolTip(), "Priprema podataka za formiranje xml obrasca (F7)");
    EXPECT_EQ(test::buttonNamed(&s, "HUB3A")->toolTip(), "Dugme za ispis naloga za plaćanje (HUB1-1) (F9)");
    EXPECT_EQ(s.payments()->button(ListButton::Insert)->toolTip(), "Brza tipka - numeričko +");
    EXPECT_EQ(s.printer(), PrinterKind::Matrix);
    QTest::keyClick(s.payments()->view(), Qt::Key_F9);  // HUB3A; no payment highlighted: nothing to print
    EXPECT_EQ(s.printer(), PrinterKind::Laser);
    test::buttonNamed(&s, "Matrični")->click();
    QAbstractButton* hub3a = test::buttonNamed(&s, "HUB3A");
    hub3a->setFocus();
    QTest::keyClick(hub3a, Qt::Key_Return);  // Enter on the focused button runs it
    EXPECT_EQ(s.printer(), PrinterKind::Laser);
}

// A document command runs for what is highlighted (F12: the item's calculation in its preview),
// and afterwards the lists show what changed meanwhile.
TEST_F(PaymentsScreen, DocumentCommandsRunAndTheListsRefresh) {
    IsplateScreen& s = openPayments();
    type(*s.payers(), "p");
    key(*s.items(), Qt::Key_Down);
    QString page;
    test::whenModalOpens<PreviewWindow>([&](PreviewWindow* preview) {
        page = pageAsText(preview->pages().page(1)).join('\n');
        preview->reject();
    });
    QTest::keyClick(s.items()->view(), Qt::Key_F12);
    EXPECT_TRUE(page.contains("Horvat")) << page.toStdString();
    pay(3, date(2015, 3, 12));
    ModalSteps author;  // the books' first submission asks who compiles it
    author.then([](QWidget* form) {
        const auto entries = form->findChildren<QLineEdit*>();
        for (int i = 0; i < entries.size(); ++i) retype(entries[i], QStringList{"Marko", "Marić", "marko@pramo.hr"}.value(i));
        test::buttonNamed(form, "OK")->click();
    });
    test::buttonNamed(&s, "JOP kreiranje")->click();
    EXPECT_TRUE(author.allDone());
    EXPECT_EQ(lastMessage(), "OBRAZAC KREIRAN");
    EXPECT_EQ(column(*s.payments(), 0), (std::vector<std::string>{"15071", "15070", "14300"}));
    s.month()->setText("13");
    menuEntry("IDD")->trigger();
    EXPECT_EQ(lastMessage(), "Mjesec (za mjesec) mora biti od 1 do 12.");
}

// Numeric + outside the month and year fields inserts a payment of the highlighted payer.
TEST_F(PaymentsScreen, NumericPlusInsertsAPayment) {
    IsplateScreen& s = openPayments();
    type(*s.payers(), "p");
    ModalSteps steps;
    steps.then([](QWidget* modal) {
        FormScreen& form = formOf(modal);
        EXPECT_EQ(form.windowTitle(), "Unos nove isplate");
        form.cancelButton()->click();
    });
    QTest::keyClick(s.payments()->view(), Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_TRUE(steps.allDone());
    EXPECT_EQ(count(Isplate::table), 2);
}

}  // namespace
}  // namespace pramo
