// The payee and payer forms: IBAN check digits, notices, defaults, duplicate keys in their order,
// look-ups, and deletes refused or taking the dependants along.

#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>

#include "records/layouts/banke.h"
#include "records/layouts/detkriz.h"
#include "records/layouts/id1.h"
#include "records/layouts/kriznica.h"
#include "ui/registers_fixture.h"

namespace pramo {
namespace {

using test::formOf;
using test::ModalSteps;

class PersonForms : public test::RegistersFixture {
protected:
    const MessageBox& lastBox() const { return messages.shown.back(); }
    static void erase(QLineEdit* e) {
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
    }
    static bool checked(FormScreen& form, std::string_view field, int option) {
        return form.editor(field)->findChildren<QAbstractButton*>()[option]->isChecked();
    }
};

TEST_F(PersonForms, TheCheckDigitsFollowTheAccountAtTheBank) {
    office->add(Banke{.oznaka = 2, .naziv = "Banka 1234567", .vodecibroj = "1234567"});
    struct Case {
        const char* racun;
        const char* rkont;
        bool notice;
    } const cases[] = {{"1234567890", "HR35", false}, {"0000000003", "HR08", false}, {"123456789", "HR08", true}};
    Osobe oso = *stored<Osobe>(1);
    runForm(upisOsobe, Request::Change, oso, [&](QWidget* modal) {
        FormScreen& form = formOf(modal);
        for (const Case& c : cases) {
            messages.shown.clear();
            typeAndLeave(form, "RACUN", c.racun);
            if (std::string(c.racun) == "1234567890") typeAndLeave(form, "BANKA", "2");  // the digits follow the bank
            EXPECT_EQ(entry(form, "RKONT")->text(), c.rkont) << c.racun;
            EXPECT_EQ(entry(form, "RACUN")->text(), c.racun);
            EXPECT_EQ(messages.shown.size(), c.notice ? 1u : 0u) << c.racun;
        }
        typeAndLeave(form, "OIB", "69435151531");  // a wrong check digit: a notice, kept as typed
        EXPECT_EQ(lastBox().title, "Provjera OIB-a");
        EXPECT_EQ(entry(form, "OIB")->text(), "69435151531");
        for (const char* name : {"OIB", "RACUN"}) {  // a field full of digits shows them whole
            const QLineEdit* e = entry(form, name);
            EXPECT_GE(e->width() - 16, e->fontMetrics().horizontalAdvance(e->text())) << name;
        }
        form.okButton()->click();
    });
    EXPECT_EQ(stored<Osobe>(1)->oib, "69435151531");
    Subjekti sub = *stored<Subjekti>(1);
    runForm(upisSubjekta, Request::Change, sub, [&](QWidget* modal) {
        FormScreen& form = formOf(modal);
        typeAndLeave(form, "BANKA", "2");
        typeAndLeave(form, "RACUN", "1234567890");
        EXPECT_EQ(entry(form, "RKONT")->text(), "HR35");
        form.okButton()->click();
    });
    EXPECT_EQ(stored<Subjekti>(1)->rkont, "HR35");
}

TEST_F(PersonForms, ANewPayeeCancelledLeavesNothingAndTheWorkMunicipalityFollowsItsOption) {
    ListPanel& list = open(osobeList);
    ModalSteps steps;
    steps.then([&](QWidget* modal) {
        FormScreen& form = formOf(modal);
        EXPECT_EQ(form.windowTitle(), "Unos novog primatelja");
        EXPECT_TRUE(checked(form, "DRUGISTUP", 0));  // DA
        EXPECT_TRUE(checked(form, "FAX", 1));        // NE
        EXPECT_FALSE(entry(form, "EMAIL")->isEnabled());
        form.editor("FAX")->findChildren<QAbstractButton*>()[0]->click();
        EXPECT_TRUE(entry(form, "EMAIL")->isEnabled());
        typeAndLeave(form, "EMAIL", "1333");
        form.editor("FAX")->findChildren<QAbstractButton*>()[1]->click();
        EXPECT_FALSE(entry(form, "EMAIL")->isEnabled());
        EXPECT_EQ(form.as<Osobe>().email, "1333");  // kept, only not entered
        retype(entry(form, "PREZIME"), "Novak");
        form.cancelButton()->click();
    });
    list.button(ListButton::Insert)->click();
    EXPECT_TRUE(steps.allDone());
    EXPECT_EQ(count(Osobe::table), 3);
}

TEST_F(PersonForms, AnOibTakenIsRefusedWhileBlankOnesRepeat) {
    for (const char* oib : {"69435151530", "", ""}) {
        Osobe oso;
        const Response r = runForm(upisOsobe, Request::Insert, oso, [&](QWidget* modal) {
            FormScreen& form = formOf(modal);
            retype(entry(form, "PREZIME"), "Novak");
            if (*oib) retype(entry(form, "OIB"), oib);
            form.okButton()->click();
            if (!*oib) return;
            EXPECT_EQ(lastBox().warningId, 24);
            EXPECT_NE(lastBox().text.find("OSO:KeyOIB"), std::string::npos) << lastBox().text;
            form.cancelButton()->click();
        });
        EXPECT_EQ(r, *oib ? Response::Cancelled : Response::Completed) << oib;
    }
    EXPECT_EQ(count(Osobe::table), 5);
}

TEST_F(PersonForms, APayerStartsNaturalAndDuplicatesAreNamedInKeyOrder) {
    office->add(Subjekti{.oznaka = 2, .tip = "P", .naziv = "Druga d.o.o.", .poreznibroj = "0123456", .oib = "94577403194"});
    Subjekti sub;
    runForm(upisSubjekta, Request::Insert, sub, [&](QWidget* modal) {
        FormScreen& form = formOf(modal);
        EXPECT_TRUE(checked(form, "TIP", 1));  // "F"
        retype(entry(form, "NAZIV"), "Treća");
        retype(entry(form, "POREZNIBROJ"), "0123456");
        retype(entry(form, "OIB"), "12345678903");  // payer 1's
        for (const char* key : {"SUB:KeyPorezniBroj", "SUB:KeyOIB"}) {
            form.okButton()->click();
            EXPECT_EQ(lastBox().title, "Greška dupliciranja");
            EXPECT_NE(lastBox().text.find(key), std::string::npos) << lastBox().text;
            erase(entry(form, "POREZNIBROJ"));
        }
        erase(entry(form, "OIB"));
        form.okButton()->click();
    });
    EXPECT_EQ(stored<Subjekti>(3)->tip, "F");  // two payers without MB/MBG: 1 and 3
}

TEST_F(PersonForms, DeletesAreRefusedByWhatNamesTheRecordOrTakeItsDependants) {
    office->add(Isplate{.oznaka = 1, .isplatitelj = 1});
    office->add(Dohoci{.oznaka = 1, .isplata = 1, .djelatnik = 1});
    office->add(Subjekti{.oznaka = 2, .naziv = "Bez isplata"});
    office->add(Id1{.oznaka = 1, .isplatitelj = 2});
    office->add(Kriznica{.oznaka = 1, .isplatitelj = 2});
    office->add(Detkriz{.kriznica = 1});
    struct Case {
        const FormSpec* form;
        const TableDef* table;
        std::int32_t number;
        const char* refusedBy;  // empty: deleted
    } const cases[] = {{&upisOsobe, &Osobe::table, 1, "dohoci"},
                       {&upisSubjekta, &Subjekti::table, 1, "isplate"},
                       {&upisSubjekta, &Subjekti::table, 2, ""}};
    for (const Case& c : cases) {
        messages.shown.clear();
        messages.answers = {ButtonOk, ButtonOk, ButtonNo};  // confirm; the refusal; do not try again
        RecordBuffer rec(*c.table);
        rec.setNumber("OZNAKA", c.number);
        ASSERT_EQ(store().getRaw(c.table->primaryKey(), rec.get()), StoreCode::Ok);
        const Response r = callForm(ctx(), *c.form, Request::Delete, rec, nullptr);
        EXPECT_EQ(r, *c.refusedBy ? Response::Cancelled : Response::Completed) << c.table->name << c.number;
        if (*c.refusedBy) {
            EXPECT_NE(messages.shown.at(1).text.find(c.refusedBy), std::string::npos) << messages.shown.at(1).text;
        }
    }
    EXPECT_EQ(count(Osobe::table), 3);
    EXPECT_EQ(count(Subjekti::table), 1);
    EXPECT_EQ(count(Id1::table) + count(Kriznica::table) + count(Detkriz::table), 0);
}

TEST_F(PersonForms, ANewPayeesPlaceIsFollowedByItsStreetAndTheHouseNumber) {
    Osobe oso;
    ModalSteps lists;
    runForm(upisOsobe, Request::Insert, oso, [&](QWidget* modal) {
        FormScreen& form = formOf(modal);
        lists.then([](QWidget* places) { test::buttonNamed(places, "&Odaberi")->click(); })   // Split, first by name
            .then([](QWidget* streets) { test::buttonNamed(streets, "&Odaberi")->click(); });  // Ilica
        QApplication::setActiveWindow(&form);
        form.editor("MJESTO")->parentWidget()->findChild<QPushButton*>()->click();
        QApplication::processEvents();
        EXPECT_EQ(form.as<Osobe>().mjesto, 2);
        EXPECT_EQ(form.as<Osobe>().ulica, 1);
        EXPECT_EQ(form.focusWidget(), entry(form, "KUCNIBROJ"));
        form.okButton()->click();
    });
    EXPECT_TRUE(lists.allDone());
    EXPECT_EQ(stored<Osobe>(4)->mjesto, 2);
}

TEST_F(PersonForms, ThePayeesListLocatesCopiesTheOibAndShowsThePayeesOfAPlace) {
    ListPanel& list = open(osobeList);
    type(list, "Ko");
    EXPECT_EQ(highlighted(list), "Kovačević");
    EXPECT_EQ(list.belowValue(0)->text(), "Kovačević Ana");
    screen->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
    QTest::keyClick(list.view(), Qt::Key_Q, Qt::AltModifier);  // anywhere in the window
    const auto copied = [] { return QGuiApplication::clipboard()->text() == "94577403194"; };
    EXPECT_TRUE(QTest::qWaitFor(copied, 1000));  // the button's click is animated first
    EXPECT_EQ(list.button(ListButton::Select)->isVisible(), false);
    list.setCurrentTab(1);  // the places beside: Split first, then Zagreb
    EXPECT_EQ(column(list, 0), std::vector<std::string>{"Kovačević"});
    key(*screen->panelOf(*osobeList.tabs[1].range.from), Qt::Key_Down);
    EXPECT_EQ(column(list, 0), (std::vector<std::string>{"Horvat", "Šimić"}));
}

TEST_F(PersonForms, OtherScreensChooseAPayerOrAPayee) {
    office->add(Subjekti{.oznaka = 2, .naziv = "Alfa obrt"});
    Subjekti sub;
    Osobe oso;
    ModalSteps steps;
    steps.then([](QWidget* list) {
             EXPECT_TRUE(test::buttonNamed(list, "&Odaberi")->isVisible());
             test::buttonNamed(list, "&Odaberi")->click();
         })
        .then([](QWidget* list) { test::buttonNamed(list, "Zatvori")->click(); });
    EXPECT_EQ(selectPayer(ctx(), sub, nullptr), Response::Completed);
    EXPECT_EQ(sub.naziv, "Alfa obrt");
    EXPECT_EQ(selectPayee(ctx(), oso, nullptr), Response::Cancelled);
    EXPECT_EQ(oso.oznaka, 0);
}

}  // namespace
}  // namespace pramo
