// The municipality forms and lists: the code checks of the two forms, the tax account they derive,
// the surtax rate's steps, the first place of a new municipality and the place form's municipality.

#include <QPushButton>
#include <QToolButton>

#include "records/layouts/mjesta.h"
#include "records/layouts/opcine.h"
#include "ui/registers_fixture.h"

namespace pramo {
namespace {

using test::formOf;
using test::ModalSteps;

class MunicipalityForms : public test::RegistersFixture {};

const char* const tooShort = "Unesi četveroznamenkastu shifru grada ili barem prve tri znamenke";

TEST_F(MunicipalityForms, EachFormChecksTheCodeItsWayAndDerivesTheAccount) {
    struct Case {
        const FormSpec* form;
        const char* code;
        const char* message;  // empty: accepted
        const char* racunporez;
        const char* rkont;
    } const cases[] = {
        {&upisOpcine, "133", "", "1713312009", "HR11"},
        {&upisOpcine, "281", "", "1728112002", "HR42"},
        {&upisOpcine, "2810", "", "1728112002", "HR42"},
        {&upisOpcine, "012", "", "1701212003", "HR02"},
        {&upisOpcine, "0133", "", "1701312002", "HR24"},
        {&upisOpcine, "12", tooShort, "", ""},
        {&upisOpcine, "1a", "Unesi brojčanu šifru", "", ""},
        {&upisOpcine, "99404", "", "", ""},  // a country abroad: no check digit, no tax account
        {&upisOpcine, "12345", "Peteroznamenkasta šifra je šifra države u inozemstvu i počinje s 99", "", ""},
        {&upisIzOdabiraOpcine, "133", "", "1713312009", "HR11"},
        {&upisIzOdabiraOpcine, "281", "", "1728112002", "HR42"},
        {&upisIzOdabiraOpcine, "12", tooShort, "", ""},
        {&upisIzOdabiraOpcine, "012", tooShort, "", ""},
        {&upisIzOdabiraOpcine, "0133", "", "1701312002", "HR24"},  // with its IBAN check digits too
        {&upisIzOdabiraOpcine, "2810", "", "1728112002", "HR42"},
        {&upisIzOdabiraOpcine, "99705", "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.form->changeCaption.toStdString()) + " " + c.code);
        messages.shown.clear();
        const bool fromSelection = c.form == &upisIzOdabiraOpcine;
        Opcine opc;
        const Response r = runForm(*c.form, Request::Insert, opc, [&](QWidget* modal) {
            FormScreen& form = formOf(modal);
            retype(entry(form, "NAZIV"), "NOVA");
            typeAndLeave(form, "SHIFRA", c.code);
            EXPECT_EQ(messages.shown.size(), fromSelection ? 0u : (*c.message ? 1u : 0u));  // that form checks on its button only
            if (fromSelection) test::buttonNamed(&form, "Račun")->click();
            EXPECT_EQ(texts(), *c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
            EXPECT_EQ(entry(form, "SHIFRA")->text(), *c.message ? "" : c.code);
            if (*c.message) form.cancelButton()->click();
            else form.okButton()->click();
        });
        EXPECT_EQ(r, *c.message ? Response::Cancelled : Response::Completed);
        EXPECT_EQ(opc.racunporez, c.racunporez);
        EXPECT_EQ(opc.rkont, c.rkont);
    }
    EXPECT_EQ(count(Opcine::table), 2 + 11);  // the refused ones left nothing behind
}

TEST_F(MunicipalityForms, OkChecksTheCodeAgainAndOnlyWarnsOfABlankName) {
    Opcine opc;
    runForm(upisOpcine, Request::Insert, opc, [&](QWidget* modal) {
        FormScreen& form = formOf(modal);
        form.okButton()->click();  // nothing typed: the code is asked for and the form stays
        EXPECT_TRUE(form.isVisible());
        retype(entry(form, "SHIFRA"), "4090");
        form.okButton()->click();
    });
    EXPECT_EQ(texts(), (std::vector<std::string>{"Unesi šifru općine/grada", "Unesi naziv općine"}));
    EXPECT_EQ(stored<Opcine>(opc.oznaka)->racunporez, "1740912004");
}

TEST_F(MunicipalityForms, TheSurtaxRateStepsByWholePoints) {
    Opcine zagreb = *stored<Opcine>(1);
    runForm(upisOpcine, Request::Change, zagreb, [&](QWidget* modal) {
        FormScreen& form = formOf(modal);
        const auto steps = form.editor("STOPAPRIREZA")->parentWidget()->findChildren<QToolButton*>();
        steps[0]->click();  // up
        steps[0]->click();
        QTest::keyClick(entry(form, "STOPAPRIREZA"), Qt::Key_Down);
        EXPECT_EQ(entry(form, "STOPAPRIREZA")->text(), "19,00");
        form.okButton()->click();
    });
    EXPECT_EQ(stored<Opcine>(1)->stopaprireza, test::rate7("19"));
}

TEST_F(MunicipalityForms, ANewMunicipalityIsFollowedByItsFirstPlace) {
    ListPanel& list = open(opcineList);
    EXPECT_EQ(list.belowValue(0)->text(), "10,00");  // the rate of SPLIT, first by name
    std::string akcija;
    ModalSteps steps;
    steps.then([](QWidget* modal) {
            FormScreen& form = formOf(modal);
            retype(entry(form, "NAZIV"), "SAMOBOR");
            retype(entry(form, "SHIFRA"), "3778");
            form.okButton()->click();
        })
        .then([&](QWidget* modal) {
            FormScreen& form = formOf(modal);
            akcija = ctx().glo.akcija.str();
            EXPECT_EQ(form.windowTitle(), "Upis mjesta u šifrarnik");
            retype(entry(form, "NAZIV"), "Samobor");
            form.okButton()->click();
        });
    list.button(ListButton::Insert)->click();
    EXPECT_TRUE(steps.allDone());
    EXPECT_EQ(akcija, "UnesiMjesto");
    EXPECT_TRUE(ctx().glo.akcija.blank());
    EXPECT_EQ(highlighted(list), "SAMOBOR");
    const Mjesta samobor = *stored<Mjesta>(3);
    EXPECT_EQ(samobor.naziv, "Samobor");
    EXPECT_EQ(samobor.opcina, 3);
    EXPECT_EQ(column(*screen->panelOf(mjestaUOpcini), 0), std::vector<std::string>{"Samobor"});
}

TEST_F(MunicipalityForms, APlaceNeedsAnExistingMunicipality) {
    Mjesta mje;
    ModalSteps choice;
    runForm(upisMjesta, Request::Insert, mje, [&](QWidget* modal) {
        FormScreen& form = formOf(modal);
        QApplication::setActiveWindow(&form);
        retype(entry(form, "NAZIV"), "Velika Gorica");
        // Municipality 0: OK says so and the focus on it opens the list, here left without a choice.
        choice.then([](QWidget* list) { QTest::keyClick(list->findChild<PageView*>(), Qt::Key_Escape); });
        form.okButton()->click();
        QTRY_VERIFY(choice.allDone());
        EXPECT_TRUE(form.isVisible());
        choice.then([](QWidget* list) { test::buttonNamed(list, "&Odaberi")->click(); });  // the first by name: SPLIT
        QApplication::setActiveWindow(&form);
        QLineEdit* e = entry(form, "OPCINA");
        retype(e, "7");  // no such municipality: the list opens for a choice
        QTest::keyClick(e, Qt::Key_Tab);
        QTRY_VERIFY(choice.allDone());
        EXPECT_EQ(e->text(), "2");
        form.okButton()->click();
    });
    EXPECT_TRUE(choice.allDone());
    EXPECT_EQ(texts(), std::vector<std::string>{"Morate odabrati općinu"});
    EXPECT_EQ(stored<Mjesta>(mje.oznaka)->opcina, 2);
}

TEST_F(MunicipalityForms, ThePrintButtonPreviewsTheMunicipalitiesListing) {
    ListPanel& list = open(opcineList);
    QString title;
    ModalSteps steps;
    steps.then([&](QWidget* preview) {
        title = preview->windowTitle();
        preview->close();
    });
    test::buttonNamed(&list, "&Ispis")->click();
    EXPECT_TRUE(steps.allDone());
    EXPECT_EQ(title, "Preview ispisa");  // the listing's pages in the simple preview
}

}  // namespace
}  // namespace pramo
