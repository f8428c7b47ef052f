#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "crisistax/ui/kriznica_screens.h"
#include "preview/ui/simple_preview.h"
#include "records/layouts/detkriz.h"
#include "records/layouts/kriznica.h"
#include "support/office.h"
#include "ui/screens_fixture.h"

namespace pramo {
namespace {

using test::formOf;
using test::ModalSteps;

// The returns list over the shared office; its payments are calculated as in April 2010, when the
// crisis tax was due. The program's own day is 14.03.2015.
class KriznicaScreens : public test::ScreensFixture {
protected:
    void SetUp() override {
        ScreensFixture::SetUp();
        office = std::make_unique<test::Office>(ctx().files, test::date(2010, 4, 10));
        office->standardRegisters();
    }
    void addReturn(std::int32_t oznaka, const char* godina, std::uint8_t mjesec, const char* biljeske = "") {
        office->add(Kriznica{.oznaka = oznaka, .isplatitelj = 1, .godina = godina, .mjesec = mjesec, .biljeske = biljeske});
    }
    ListPanel& lines() { return *screen->panelOf(pozicijeObrasca); }
    static QStringList texts(const QList<QPushButton*>& buttons) {
        QStringList out;
        for (const QPushButton* b : buttons) out << b->text();
        return out;
    }
    // Runs `step` on the form a click opens.
    void onForm(QPushButton* button, const std::function<void(FormScreen&)>& step) {
        ModalSteps steps;
        steps.then([&](QWidget* modal) { step(formOf(modal)); });
        button->click();
        EXPECT_TRUE(steps.allDone());
    }
    std::string lastMessage() const { return messages.shown.empty() ? "" : messages.shown.back().text; }

    std::unique_ptr<test::Office> office;
};

TEST_F(KriznicaScreens, ListOfReturnsWithTheLinesAndNotesOfTheHighlightedOne) {
    addReturn(1, "2010", 2, "predano e-poštom");
    addReturn(2, "2010", 3);
    office->add(Detkriz{.kriznica = 1, .vrsta = 1, .broj = 3, .osnovica = test::money("12345.67"), .iznos = test::money("493.83")});
    ListPanel& list = open(pregledKriznice);
    EXPECT_EQ(screen->windowTitle(), "Krizni porez");
    QStringList headers;
    for (int c = 0; c < 4; ++c) headers << list.view()->model()->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(headers, (QStringList{"ISPLATITELJ", "", "Godina", "Mjesec"}));
    EXPECT_TRUE(list.view()->isColumnHidden(4) && list.view()->isColumnHidden(6));
    EXPECT_EQ(texts(screen->panel()->findChildren<QPushButton*>()),
              (QStringList{"&Unesi", "&Mijenjaj", "&Briši", "&Odaberi", "AŽURIRANJE PODATAKA", "ISPIS OBRASCA", "Zatvori"}));
    EXPECT_EQ(texts(lines().findChildren<QPushButton*>()), (QStringList{"&Unos", "&Otvori", "&Briši"}));
    EXPECT_EQ(column(list, 3), (std::vector<std::string>{"3", "2"}));  // the newest month first
    EXPECT_EQ(highlighted(list, 0), "Pramo d.o.o.");
    EXPECT_TRUE(lines().page().empty());
    const auto note = [&] { return list.belowValue(0)->text(); };
    EXPECT_EQ(note(), "");

    key(list, Qt::Key_Down);
    EXPECT_EQ(note(), "predano e-poštom");
    EXPECT_EQ(column(lines(), 0), (std::vector<std::string>{"1"}));
    EXPECT_EQ(column(lines(), 2), (std::vector<std::string>{"12.345,67"}));
    EXPECT_EQ(column(lines(), 3), (std::vector<std::string>{"493,83"}));
}

// A new return is primed with the program's month. The payer field, getting the focus without a
// payer, opens the payers' list to choose from; a second return of the same payer and month
// (payer typed this time) is refused naming the key, with the form left open.
TEST_F(KriznicaScreens, InsertingAReturnAndTheDuplicateRefused) {
    ListPanel& list = open(pregledKriznice);
    onForm(list.button(ListButton::Insert), [&](FormScreen& form) {
        EXPECT_EQ(entry(form, "GODINA")->text(), "2015");
        EXPECT_EQ(entry(form, "MJESEC")->text(), "3");
        ModalSteps payers;
        payers.then([](QWidget* modal) {
            auto* chooser = modal->findChild<ListScreen*>();
            EXPECT_EQ(chooser->windowTitle(), "Pregled isplatitelja");
            EXPECT_EQ(highlighted(*chooser->panel(), 0), "Pramo d.o.o.");
            chooser->panel()->button(ListButton::Select)->click();
        });
        QApplication::setActiveWindow(&form);
        entry(form, "GODINA")->setFocus();  // the form opened in the payer field: back into it
        entry(form, "ISPLATITELJ")->setFocus();
        QTRY_VERIFY(payers.allDone());
        EXPECT_EQ(entry(form, "ISPLATITELJ")->text(), "1");
        EXPECT_EQ(form.editor("ISPLATITELJ")->parentWidget()->findChildren<QLabel*>().value(0)->text(), "Pramo d.o.o.");
        typeInto(entry(form, "BILJESKE"), "predano");
        form.okButton()->click();
    });
    onForm(list.button(ListButton::Insert), [&](FormScreen& form) {
        retype(entry(form, "ISPLATITELJ"), "1");
        form.okButton()->click();
        EXPECT_EQ(lastMessage(), "Već postoji slog sa ovom vrijednosti za ključ:KRI:KeyGlavni");
        EXPECT_TRUE(form.isVisible());
        form.cancelButton()->click();
    });
    EXPECT_EQ(count(Kriznica::table), 1);  // the second return's reserved number was given back
    EXPECT_EQ(highlighted(list, 0), "Pramo d.o.o.");
    EXPECT_EQ(list.belowValue(0)->text(), "predano");
}

// The form opens with the focus on its first entry, the payer, not on OK (its look-up button
// comes first); OK on a return without a payer opens the payers' list; none chosen, nothing is saved.
TEST_F(KriznicaScreens, OkWithoutAPayerOpensThePayersList) {
    ListPanel& list = open(pregledKriznice);
    onForm(list.button(ListButton::Insert), [&](FormScreen& form) {
        EXPECT_EQ(form.focusWidget(), form.editor("ISPLATITELJ"));
        ModalSteps payers;
        payers.then([](QWidget* modal) { modal->findChild<ListScreen*>()->panel()->closeList(); });
        form.okButton()->click();
        EXPECT_TRUE(payers.allDone());
        EXPECT_TRUE(form.isVisible());
        form.cancelButton()->click();
    });
    EXPECT_EQ(count(Kriznica::table), 0);
}

// A changed month that another return of the payer has is refused as a duplicate too; a month
// outside 1 to 12 is refused before saving.
TEST_F(KriznicaScreens, ChangingIntoAnotherReturnsMonthIsRefused) {
    addReturn(1, "2010", 2);
    addReturn(2, "2010", 3);
    ListPanel& list = open(pregledKriznice);
    onForm(list.button(ListButton::Change), [&](FormScreen& form) {
        retype(entry(form, "MJESEC"), "13");
        form.okButton()->click();
        EXPECT_EQ(lastMessage(), "Mjesec mora biti broj od 1 do 12.");
        retype(entry(form, "MJESEC"), "2");
        form.okButton()->click();
        EXPECT_EQ(lastMessage(), "Već postoji slog sa ovom vrijednosti za ključ:KRI:KeyGlavni");
        form.cancelButton()->click();
    });
    EXPECT_EQ(column(list, 3), (std::vector<std::string>{"3", "2"}));
}

// Lines typed by hand, one per kind; the fill writes the other-income line from the payments and,
// pressed again, rewrites it.
TEST_F(KriznicaScreens, LinesByHandAndTheFill) {
    addReturn(1, "2010", 3);
    office->add(Isplate{.oznaka = 1, .isplatitelj = 1, .rsid = "10070", .datum = test::date(2010, 3, 11), .godina = "2010"});
    office->item({.oznaka = 1, .rednibroj = 1, .isplata = 1, .djelatnik = 1, .vrstadohotka = 1, .neto = test::money("8000.00")});
    ListPanel& list = open(pregledKriznice);
    for (int attempt = 1; attempt <= 2; ++attempt) {
        onForm(lines().button(ListButton::Insert), [&](FormScreen& form) {
            EXPECT_EQ(form.windowTitle(), "Unos pozicija");
            EXPECT_EQ(entry(form, "KRIZNICA")->text(), "1");
            auto radios = form.editor("VRSTA")->findChildren<QRadioButton*>();
            ASSERT_EQ(radios.size(), 4);
            EXPECT_TRUE(radios[0]->isChecked());
            EXPECT_EQ(radios[3]->text(), "Dividende i udjeli");
            retype(entry(form, "BROJ"), "3");
            retype(entry(form, "OSNOVICA"), "12345,67");
            retype(entry(form, "IZNOS"), "493,83");
            form.okButton()->click();
            if (attempt == 2) {
                EXPECT_EQ(lastMessage(), "Već postoji slog sa ovom vrijednosti za ključ:DKR:KeyGlavni");
                form.cancelButton()->click();
            }
        });
    }
    QAbstractButton* fill = test::buttonNamed(&list, "AŽURIRANJE PODATAKA");
    ASSERT_NE(fill, nullptr);
    for (int press = 1; press <= 2; ++press) {
        fill->click();
        EXPECT_EQ(column(lines(), 0), (std::vector<std::string>{"1", "3"}));
        EXPECT_EQ(column(lines(), 1), (std::vector<std::string>{"3", "1"}));
        EXPECT_EQ(column(lines(), 2), (std::vector<std::string>{"12.345,67", "8.000,00"}));
        EXPECT_EQ(column(lines(), 3), (std::vector<std::string>{"493,83", "320,00"}));
    }
}

TEST_F(KriznicaScreens, PrintingOpensThePreview) {
    addReturn(1, "2010", 3);
    ListPanel& list = open(pregledKriznice);
    int pages = 0;
    ModalSteps steps;
    steps.then([&](QWidget* modal) {
        auto* preview = qobject_cast<SimplePreview*>(modal);
        ASSERT_NE(preview, nullptr);
        pages = static_cast<int>(preview->pages().count());
        preview->reject();
    });
    test::buttonNamed(&list, "ISPIS OBRASCA")->click();
    EXPECT_TRUE(steps.allDone());
    EXPECT_EQ(pages, 1);
}

}  // namespace
}  // namespace pramo
