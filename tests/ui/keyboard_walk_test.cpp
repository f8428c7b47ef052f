// The keys a bookkeeper's first month walks through (tools/keyboard-walk walks it whole): Enter on
// a focused look-up button, a look-up over an empty register, a municipality found by typing its
// name, Enter in a form's list, a new payee's bank chosen on its own tab.

#include <QPushButton>

#include "payments/ui/payment_lists.h"
#include "preview/ui/printer_params.h"
#include "records/layouts/dohoci.h"
#include "records/layouts/isplate.h"
#include "ui/preview_test_support.h"
#include "ui/registers_fixture.h"

namespace pramo {
namespace {

using test::formOf;
using test::ModalSteps;

class WalkKeys : public test::RegistersFixture {};

// Enter on the focused "..." of the place opens the places to choose from; the form stays open
// (it used to take Enter as OK and save the payer half entered).
TEST_F(WalkKeys, EnterOnAFocusedLookUpButtonOpensItsList) {
    Subjekti sub = *stored<Subjekti>(1);
    bool listOpened = false;
    const Response r = runForm(upisSubjekta, Request::Change, sub, [&](QWidget* modal) {
        FormScreen& form = formOf(modal);
        auto* button = entry(form, "MJESTO")->parentWidget()->findChild<QPushButton*>();
        ModalSteps choice;
        choice.then([&](QWidget* list) {
            listOpened = true;
            QTest::keyClick(list->findChild<PageView*>(), Qt::Key_Escape);
        });
        QApplication::setActiveWindow(&form);
        button->setFocus(Qt::TabFocusReason);
        QTest::keyClick(button, Qt::Key_Return);
        EXPECT_TRUE(choice.allDone());
        EXPECT_TRUE(form.isVisible());
        form.cancelButton()->click();
    });
    EXPECT_TRUE(listOpened);
    EXPECT_EQ(r, Response::Cancelled);
}

// Nothing to choose from: the register's form enters its first record, which is then chosen.
TEST_F(WalkKeys, AChoiceFromAnEmptyRegisterEntersItsFirstRecord) {
    Param chosen;
    test::whenModalOpens<FormScreen>([](FormScreen* form) {
        retype(entry(*form, "MODELPRINTERA"), "Laser u uredu");
        form->okButton()->click();
    });
    EXPECT_EQ(selectRecord(ctx(), browseParam, chosen, nullptr), Response::Completed);
    EXPECT_EQ(chosen.modelprintera, "Laser u uredu");
    EXPECT_EQ(count(Param::table), 1);
}

// Some 570 municipalities: the letters typed find the name ("za", not the first name after "a").
TEST_F(WalkKeys, AMunicipalityIsFoundByTypingItsName) {
    ListPanel& list = open(odabirOpcine, Request::Select, nullptr);
    type(list, "spl");
    EXPECT_EQ(highlighted(list), "SPLIT");
    type(list, "\b\b\bza");
    EXPECT_EQ(highlighted(list), "ZAGREB");
}

// Enter in the payment form's list of items is the form's OK, as in its other fields (Ctrl+Enter
// changes an item).
TEST_F(WalkKeys, EnterInAFormsListIsItsOk) {
    office->add(Isplate{.oznaka = 1, .isplatitelj = 1, .rsid = "15073", .datum = test::date(2015, 3, 14), .godina = "2015"});
    office->add(Dohoci{.oznaka = 1, .rednibroj = 1, .isplata = 1, .djelatnik = 1, .vrstadohotka = 1});
    Isplate isp = *stored<Isplate>(1);
    const Response r = runForm(upisIsplate, Request::Change, isp, [&](QWidget* modal) {
        FormScreen& form = formOf(modal);
        QApplication::setActiveWindow(&form);
        form.list()->view()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(form.list()->view(), Qt::Key_Return);
    });
    EXPECT_EQ(r, Response::Completed);
}

// A new payee's bank, none yet, is chosen as its tab opens; the model is typed next (unlike a
// payer's account, the payee's goes after its model).
TEST_F(WalkKeys, ANewPayeesModelFollowsItsBank) {
    Osobe oso;
    runForm(upisOsobe, Request::Insert, oso, [&](QWidget* modal) {
        FormScreen& form = formOf(modal);
        ModalSteps choice;
        choice.then([](QWidget* list) { QTest::keyClick(list->findChild<PageView*>(), Qt::Key_Return); });
        QApplication::setActiveWindow(&form);
        form.findChild<QTabWidget*>()->setCurrentIndex(2);  // "Bankovni račun" (Alt+B): its bank, none yet, opens the banks
        QTRY_VERIFY(choice.allDone());
        QTRY_COMPARE(form.focusWidget(), entry(form, "MODEL"));  // once the list has gone
        form.cancelButton()->click();
    });
}

}  // namespace
}  // namespace pramo
