// After a look-up the user types on where Tab would have taken him: a record chosen sends the focus
// to the field after the look-up's entry; a look-up left without a choice gives the focus back to
// the look-up's button.

#include <QPushButton>
#include <QTabWidget>

#include "records/layouts/mjesta.h"
#include "records/layouts/osobe.h"
#include "ui/registers_fixture.h"

namespace pramo {
namespace {

using test::formOf;
using test::ModalSteps;

class LookupFocus : public test::RegistersFixture {
protected:
    // The look-up button before a field's entry, brought into view (its tab) and pressed with Space.
    static void pressLookup(FormScreen& form, std::string_view field) {
        QLineEdit* e = entry(form, field);
        if (auto* tabs = form.findChild<QTabWidget*>())
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->widget(i)->isAncestorOf(e)) tabs->setCurrentIndex(i);
        auto* button = e->parentWidget()->findChild<QPushButton*>();
        QApplication::setActiveWindow(&form);
        button->setFocus(Qt::TabFocusReason);
        QTest::keyClick(button, Qt::Key_Space);
    }
    // The list opened for a choice: Enter chooses the highlighted row, Esc chooses nothing.
    static ModalSteps::Step answer(Qt::Key key) {
        return [key](QWidget* list) { QTest::keyClick(list->findChild<PageView*>(), key); };
    }
};

TEST_F(LookupFocus, AfterALookupTypingGoesOnInTheNextField) {
    struct Case {
        const FormSpec* form;
        std::string_view field, next;
    };
    const Case cases[] = {
        {&upisMjesta, "OPCINA", "POSTBROJ"},   // the municipality chosen, the postal code typed next
        {&upisOsobe, "MJESTO", "ULICA"},
        {&upisOsobe, "BANKA", "MODEL"},        // on its own tab
        {&upisSubjekta, "BANKA", "RKONT"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " of " + c.form->insertCaption.toStdString());
        RecordBuffer rec(*c.form->table);  // a new place; payee and payer 1
        const KeyDef* number = c.form->table == &Osobe::table ? &Osobe::keyOznaka
                             : c.form->table == &Subjekti::table ? &Subjekti::keyOznaka : nullptr;
        if (number) {
            ASSERT_EQ(readLinked(store(), *number, 1, rec), StoreCode::Ok);
        }
        const Request request = number ? Request::Change : Request::Insert;
        ModalSteps steps;
        steps.then([&](QWidget* modal) {
            FormScreen& form = formOf(modal);
            ModalSteps choice;
            choice.then(answer(Qt::Key_Return));
            pressLookup(form, c.field);
            EXPECT_TRUE(choice.allDone());
            EXPECT_EQ(form.focusWidget(), entry(form, c.next));
            choice.then(answer(Qt::Key_Escape));
            pressLookup(form, c.field);
            EXPECT_TRUE(choice.allDone());
            EXPECT_EQ(form.focusWidget(), entry(form, c.field)->parentWidget()->findChild<QPushButton*>());
            form.cancelButton()->click();
        });
        callForm(ctx(), *c.form, request, rec, nullptr);
        EXPECT_TRUE(steps.allDone());
    }
}

// The place form of the report: the municipality chosen with the keyboard, the postal code typed
// at once is the place's.
TEST_F(LookupFocus, ThePostalCodeTypedAfterTheMunicipalityIsKept) {
    Mjesta mje;
    runForm(upisMjesta, Request::Insert, mje, [&](QWidget* modal) {
        FormScreen& form = formOf(modal);
        retype(entry(form, "NAZIV"), "Kaštela");
        ModalSteps choice;
        choice.then(answer(Qt::Key_Return));  // SPLIT, the first by name
        pressLookup(form, "OPCINA");
        QApplication::setActiveWindow(&form);  // the window of work is active again
        ASSERT_EQ(QApplication::focusWidget(), entry(form, "POSTBROJ"));
        typeInto(QApplication::focusWidget(), "21212");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    const Mjesta stored = *this->stored<Mjesta>(mje.oznaka);
    EXPECT_EQ(stored.opcina, 2);
    EXPECT_EQ(stored.postbroj, "21212");
}

}  // namespace
}  // namespace pramo
