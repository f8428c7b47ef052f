// The JOPPD submissions list and form as a user works them: the rows and what is shown under
// them, "KREIRAJ XML DATOTEKU" with its message and the path it stores, the keypad keys, the form
// showing the payment and its payer, and "JOP kreiranje" with its two messages.

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <array>
#include <filesystem>

#include "joppd/ui/joppd_commands.h"
#include "joppd/ui/joppd_screens.h"
#include "records/layouts/jopo.h"
#include "records/store/read_linked.h"
#include "support/joppd_office.h"
#include "ui/screens_fixture.h"

namespace pramo {
namespace {

using test::formOf;
using test::ModalSteps;

class JoppdScreens : public test::ScreensFixture {
protected:
    void SetUp() override {
        ScreensFixture::SetUp();
        office = std::make_unique<test::JoppdOffice>(ctx().files, dir.path());
        office->payment(1, test::date(2015, 3, 10));
        office->payment(2, test::date(2015, 3, 11));
        office->item(1, 1, 2, "1000.00");
        office->item(2, 2, 2, "500.00");
    }
    void TearDown() override {
        screen.reset();
        office.reset();
    }
    std::string lastMessage() const { return messages.shown.empty() ? "" : messages.shown.back().text; }
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& b : messages.shown) out.push_back(b.text);
        return out;
    }

    std::unique_ptr<test::JoppdOffice> office;
};

TEST_F(JoppdScreens, TheListNewestPaymentFirstWithTheHighlightedPathAndIdentifierBelow) {
    office->submission(1);
    const Jopo second = office->submission(2);
    office->office.add(Jopo{.oznaka = 3, .isplata = 2, .rbr = 2, .ujed = "0123abcd-0000-4000-8000-000000000000"});
    ListPanel& list = open(jopoObrasci);
    EXPECT_EQ(screen->windowTitle(), "Pregled JOP obrazaca (koji su kreirani u pregledu isplata)");
    EXPECT_EQ(column(list, 9), (std::vector<std::string>{"2", "2", "1"}));  // Isplata
    EXPECT_EQ(column(list, 3), (std::vector<std::string>{"1", "2", "1"}));  // Rbr
    EXPECT_EQ(column(list, 1), (std::vector<std::string>{"15070", "15070", "15069"}));
    EXPECT_EQ(column(list, 2)[0], "Pramo d.o.o.");
    EXPECT_EQ(list.belowValue(1)->text().toStdString(), second.ujed.str());
    key(list, Qt::Key_Down);
    EXPECT_EQ(list.belowValue(1)->text(), "0123abcd-0000-4000-8000-000000000000");
    for (const char* caption : {"&Insert", "promjene", "briši", "zatvori", "KREIRAJ XML DATOTEKU (Alt X)"})
        EXPECT_NE(test::buttonNamed(&list, caption), nullptr) << caption;
    EXPECT_FALSE(list.button(ListButton::Select)->isVisible());
}

TEST_F(JoppdScreens, KreirajXmlDatotekuWritesTheReturnAndShowsItsPath) {
    const Jopo jopo = office->submission(1);
    std::filesystem::create_directory(dir.path() / "XML");
    ListPanel& list = open(jopoObrasci);
    test::buttonNamed(&list, "KREIRAJ XML DATOTEKU (Alt X)")->click();
    const std::string path = office->reread(jopo).datoteka.str();
    EXPECT_EQ(lastMessage(), "XML datoteka kreirana\n" + path);
    EXPECT_EQ(std::filesystem::path(path).parent_path(), dir.path() / "XML");
    EXPECT_TRUE(test::validJoppd(path));
    EXPECT_EQ(highlighted(list, 7), path);
    EXPECT_EQ(list.belowValue(0)->text().toStdString(), path);
}

TEST_F(JoppdScreens, AReturnThatCannotBeMadeSaysWhyAndWritesNothing) {
    office->office.add(Jopo{.oznaka = 1, .isplata = 1, .rbr = 1, .ujed = "0123abcd-0000-4000-8000-000000000000"});
    ListPanel& list = open(jopoObrasci);
    QApplication::setActiveWindow(screen.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
    QTest::keyClick(screen.get(), Qt::Key_X, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !messages.shown.empty(); }));  // a button's key clicks it a moment later
    EXPECT_EQ(lastMessage(), "NISU UNESENI SVI PODACI O AUTORU OBRASCA");
    EXPECT_EQ(highlighted(list, 7), "");
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        EXPECT_TRUE(entry.path().filename().string().starts_with("pramo.db")) << entry.path();
}

TEST_F(JoppdScreens, KeypadKeysChangeDeleteAndClose) {
    office->submission(1);
    office->submission(2);
    ListPanel& list = open(jopoObrasci);
    QStringList captions;
    ModalSteps steps;
    steps.then([&](QWidget* modal) {
        captions << modal->windowTitle();
        formOf(modal).reject();
    });
    key(list, Qt::Key_Slash, Qt::KeypadModifier);
    EXPECT_EQ(captions, QStringList{"Promjene"});
    messages.answers = {ButtonOk};
    key(list, Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(count(Jopo::table), 1);
    QSignalSpy closing(&list, &ListPanel::closeRequested);
    key(list, Qt::Key_Asterisk, Qt::KeypadModifier);
    EXPECT_EQ(closing.count(), 1);
}

TEST_F(JoppdScreens, TheFormShowsThePaymentAndItsPayer) {
    const Jopo jopo = office->submission(1);
    ListPanel& list = open(jopoObrasci);
    ModalSteps steps;
    steps.then([&](QWidget* modal) {
        FormScreen& form = formOf(modal);
        EXPECT_EQ(form.windowTitle(), "Promjene");
        const auto shown = [&] {
            QStringList texts;
            for (auto* l : form.findChildren<QLabel*>()) texts << l->text();
            return texts;
        };
        EXPECT_TRUE(shown().contains("15069") && shown().contains("Pramo d.o.o.")) << shown().join('|').toStdString();
        typeAndLeave(form, "ISPLATA", "9");
        EXPECT_FALSE(shown().contains("15069") || shown().contains("Pramo d.o.o."));
        retype(entry(form, "ISPLATA"), "1");
        retype(entry(form, "IMEAUTORA"), "Ana");
        form.okButton()->click();
    });
    key(list, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_TRUE(steps.allDone());
    EXPECT_EQ(office->reread(jopo).imeautora, "Ana");
}

TEST_F(JoppdScreens, JopKreiranjeOnceAndTwice) {
    office->submission(2);  // the author is carried over from it
    EXPECT_TRUE(jopKreiranje(ctx(), 1, office->random, nullptr));
    EXPECT_EQ(lastMessage(), "OBRAZAC KREIRAN");
    EXPECT_FALSE(jopKreiranje(ctx(), 1, office->random, nullptr));
    EXPECT_EQ(lastMessage(),
              "GREŠKA! OVAJ OBRAZAC JE VEĆ KREIRAN\nAKO ŽELITE KREIRATI NOVI ZA ISTU ISPLATU\n"
              "UNESITE U JOP OBRASCIMA REDNI BROJ DRUGAČIJI OD 1\nILI IZBRIŠITE OBRAZAC U ISTOJ LISTI");
    EXPECT_EQ(count(Jopo::table), 2);
}

// The first submission of the books asks who compiles the returns; OK takes only a whole author
// with an e-mail the return accepts, and the next submission starts with that author unasked.
TEST_F(JoppdScreens, TheFirstSubmissionAsksForItsAuthor) {
    struct Case {
        const char* what;
        std::vector<std::array<const char*, 3>> typed;  // one OK per row; the last row is taken
        bool created;
        std::vector<std::string> said;
    } const cases[] = {
        {"given at once", {{"Marko", "Marić", "marko@pramo.hr"}}, true, {"OBRAZAC KREIRAN"}},
        {"the surname and e-mail missing first",
         {{"Marko", " ", ""}, {"Marko", "Marić", "marko@pramo"}, {"Marko", "Marić", "marko@pramo.hr"}},
         true,
         {"Upišite autora obrasca: nedostaje prezime, e-mail.",
          "E-mail autora marko@pramo nije ispravna adresa (npr. ime.prezime@tvrtka.hr).", "OBRAZAC KREIRAN"}},
        {"given up", {}, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        messages.shown.clear();
        ModalSteps steps;
        steps.then([&](QWidget* form) {
            EXPECT_EQ(form->windowTitle(), "Autor JOPPD obrasca");
            EXPECT_TRUE(form->findChild<QLabel*>()->text().startsWith("Ovo je prvi JOPPD obrazac."));  // none before it
            const auto entries = form->findChildren<QLineEdit*>();
            ASSERT_EQ(entries.size(), 3);
            for (const auto& row : c.typed) {
                for (int i = 0; i < 3; ++i) retype(entries[i], QString::fromUtf8(row[i]));
                test::buttonNamed(form, "OK")->click();
            }
            if (c.typed.empty()) test::buttonNamed(form, "Odustani")->click();
        });
        EXPECT_EQ(jopKreiranje(ctx(), 1, office->random, nullptr), c.created);
        EXPECT_TRUE(steps.allDone());
        EXPECT_EQ(texts(), c.said);
        if (!c.created) continue;
        EXPECT_TRUE(jopKreiranje(ctx(), 2, office->random, nullptr));  // no window: its author is carried over
        Jopo second;
        ASSERT_EQ(readLast(store(), second), StoreCode::Ok);
        EXPECT_EQ(second.imeautora, "Marko");
        EXPECT_EQ(second.prezimeautora, "Marić");
        EXPECT_EQ(second.email, "marko@pramo.hr");
        for (std::int32_t n : {1, 2}) {
            Jopo gone;
            ASSERT_EQ(readLinked(store(), n, gone), StoreCode::Ok);
            ASSERT_EQ(ctx().ri.remove(gone), RiResult::Done);
        }
    }
    EXPECT_EQ(count(Jopo::table), 0);
}

}  // namespace
}  // namespace pramo
