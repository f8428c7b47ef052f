#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "records/layouts/mjesta.h"
#include "records/layouts/osobe.h"
#include "ui/screens_fixture.h"
#include "ui/test_screens.h"

namespace pramo {
namespace {

using test::formOf;
using test::ModalSteps;

class RecordFormTest : public test::ScreensFixture {
protected:
    void SetUp() override {
        ScreensFixture::SetUp();
        FileUse use(ctx().files, {&Mjesta::table, &Osobe::table});
        for (const char* name : {"Osijek", "Zadar"}) {
            Mjesta m;
            m.oznaka = name[0] == 'O' ? 1 : 2;
            m.naziv = name;
            ASSERT_EQ(store().add(m), StoreCode::Ok);
        }
        Osobe o;
        o.oznaka = 1;
        o.prezime = "Horvat";
        o.oib = "12345678903";
        ASSERT_EQ(store().add(o), StoreCode::Ok);
    }
    static QRadioButton* option(FormScreen& form, std::string_view field, const QString& text) {
        for (auto* r : form.editor(field)->findChildren<QRadioButton*>())
            if (r->text() == text) return r;
        return nullptr;
    }
    Response insertPayee() {
        RecordBuffer rec(Osobe::table);
        return callForm(ctx(), test::upisOsobe, Request::Insert, rec, nullptr);
    }
};

TEST_F(RecordFormTest, DefaultsOptionsLookUpAndAHook) {
    ModalSteps steps;
    steps.then([&](QWidget* modal) {
        FormScreen& form = formOf(modal);
        EXPECT_EQ(form.windowTitle(), "Unos novog primatelja");
        EXPECT_EQ(entry(form, "FAKTORODBITKA")->text(), "0,00");
        EXPECT_TRUE(option(form, "DRUGISTUP", "&DA")->isChecked());
        EXPECT_TRUE(option(form, "FAX", "&NE")->isChecked());
        EXPECT_FALSE(entry(form, "EMAIL")->isEnabled());
        option(form, "FAX", "&DA")->click();
        EXPECT_TRUE(entry(form, "EMAIL")->isEnabled());
        typeInto(entry(form, "PREZIME"), "Šimić");
        QTest::keyClicks(entry(form, "EMAIL"), "0133");
        retype(entry(form, "FAKTORODBITKA"), "1,5");
        ModalSteps lookUp;  // its own timer: the one running this step does not fire again inside it
        lookUp.then([](QWidget* places) {
            ListPanel* list = places->findChild<ListScreen*>()->panel();
            EXPECT_EQ(highlighted(*list), "Osijek");
            key(*list, Qt::Key_Down);
            key(*list, Qt::Key_Return);
        });
        test::buttonNamed(form.editor("MJESTO")->parentWidget(), "...")->click();  // the places list, for selection
        EXPECT_EQ(entry(form, "MJESTO")->text(), "2");
        EXPECT_EQ(form.editor("MJESTO")->parentWidget()->findChild<QLabel*>()->text(), "Zadar");
        EXPECT_TRUE(lookUp.allDone());
        form.okButton()->click();
    });
    EXPECT_EQ(insertPayee(), Response::Completed);
    EXPECT_TRUE(steps.allDone());
    Osobe saved;
    saved.oznaka = 2;
    ASSERT_EQ(store().get(Osobe::keyOznaka, saved), StoreCode::Ok);
    EXPECT_EQ(saved.prezime, "Šimić");
    EXPECT_EQ(saved.drugistup, "DA");
    EXPECT_EQ(saved.fax, "DA");
    EXPECT_EQ(saved.email, "0133");
    EXPECT_EQ(saved.mjesto, 2);
    EXPECT_EQ(saved.faktorodbitka.raw(), 150);
}

TEST_F(RecordFormTest, ADuplicateIsReportedByTheFirstCollidingKeyOfTheForm) {
    ModalSteps steps;
    steps.then([this](QWidget* modal) {
        FormScreen& form = formOf(modal);
        QTest::keyClicks(entry(form, "OIB"), "12345678903");
        form.okButton()->click();
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, "Već postoji slog sa ovom vrijednosti za ključ:OSO:KeyOIB");
        entry(form, "OIB")->selectAll();
        QTest::keyClick(entry(form, "OIB"), Qt::Key_Backspace);
        form.okButton()->click();
    });
    EXPECT_EQ(insertPayee(), Response::Completed);
    EXPECT_EQ(count(Osobe::table), 2);  // two payees may both be without an OIB
}

}  // namespace
}  // namespace pramo
