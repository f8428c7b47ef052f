#include <QApplication>

#include "ui/item_fixture.h"

namespace pramo {
namespace {

using test::ModalSteps;
using test::money;

class ItemFormTest : public test::ItemFixture {};

// A whole item from the keyboard: the payee found by typing a surname, the type by its number,
// the net, Enter. Expected lines: the engine's worked example izr-pillar2 (Horvat in Zagreb, type 2).
TEST_F(ItemFormTest, AWholeItemIsEnteredWithTheKeyboardAlone) {
    ctx().glo.vrstadoh = 21;
    ModalSteps steps;
    steps.then([](QWidget* form) {
             later(form, [form] {
                 keys(form, "", Qt::Key_Space);  // the payee's look-up button has the focus
                 EXPECT_EQ(form->focusWidget(), field(form, "NETO"));  // then the net (the type carried over)
                 QTest::keyClick(form->focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);  // back to the type's
                 keys(form, "", Qt::Key_Space);
                 keys(form, "1000");  // then the net
             });
         })
        .then([](QWidget* payees) { keys(payees, "hor"); })
        .then([](QWidget* types) { keys(types, "2"); });
    EXPECT_EQ(runItem(Request::Insert, 0, steps), Response::Completed);
    Dohoci doh;
    ASSERT_EQ(readLinked(store(), 1, doh), StoreCode::Ok);
    EXPECT_EQ(doh.djelatnik, 1);
    EXPECT_EQ(doh.vrstadohotka, 2);
    EXPECT_EQ(doh.neto, money("1000"));
    EXPECT_EQ(doh.rednibroj, 1);
    EXPECT_EQ(office->line(1, Pozicija::Bruto), money("1439.26"));
    EXPECT_EQ(office->line(1, Pozicija::Porez), money("201.50"));
    EXPECT_EQ(office->line(1, Pozicija::Prirez), money("36.27"));
    EXPECT_EQ(ctx().glo.vrstadoh, 2);
    EXPECT_TRUE(messages.shown.empty()) << texts().front();
}

}  // namespace
}  // namespace pramo

namespace pramo {
namespace {

class ItemDispatchTest : public test::ItemFixture {
protected:
    // Item 1 of payment 1 as stored and calculated: Horvat, type `type`, net `neto`.
    void storedItem(std::uint8_t type, const char* neto) {
        office->item({.oznaka = 1, .rednibroj = 1, .isplata = 1, .djelatnik = 1, .vrstadohotka = type, .neto = money(neto)});
    }
    Dohoci item1() {
        Dohoci doh;
        EXPECT_EQ(readLinked(store(), 1, doh), StoreCode::Ok);
        return doh;
    }
};

// The buttons and the net entry, each on a stored item or a new one; the expected lines are the
// engine's worked examples (izr-pillar2, izbruta-1500, vis-5000).
TEST_F(ItemDispatchTest, EachTriggerCallsItsCalculation) {
    struct Case {
        const char* what;
        std::uint8_t type;  // 0: a new item (no payee)
        std::function<void(QWidget*)> act;
        const char* bruto;
        const char* neto;
        std::vector<std::string> said;
        bool saved = true;  // false: OK is refused and the form cancelled
    } cases[] = {
        {"net accepted", 2, [](QWidget* f) { enter(f, "NETO", "1000"); }, "1439.26", "1000", {}},
        {"net unchanged", 2, [](QWidget* f) { enter(f, "NETO", "500"), enter(f, "NETO", "500"); }, "719.63", "500", {}},
        {"gross button", 2, [](QWidget* f) { enter(f, "BRUTO", "1500"), click(f, "Neto iz bruta"); }, "1500.00", "1042.20", {}},
        {"gross on multiple rates", 4, [](QWidget* f) { enter(f, "BRUTO", "9999"), click(f, "Neto iz bruta"); }, "7116.18", "5000", {}},
        {"no payee", 0, [](QWidget* f) { enter(f, "NETO", "100"), click(f, "IZRAČUN"); }, "0", "100",
         {"Odaberi djelatnika", "Odaberi djelatnika", "Odaberi djelatnika"}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        messages.shown.clear();
        if (c.type) storedItem(c.type, c.type == 4 ? "5000" : "700");
        ModalSteps steps;
        steps.then([&](QWidget* form) {
            c.act(form);
            click(form, "OK");
            if (!c.saved) click(form, "Odustani");
        });
        const Response r = runItem(c.type ? Request::Change : Request::Insert, c.type ? 1 : 0, steps);
        EXPECT_EQ(r, c.saved ? Response::Completed : Response::Cancelled);
        EXPECT_EQ(texts(), c.said);
        if (!c.saved) continue;
        EXPECT_EQ(office->line(1, Pozicija::Bruto), money(c.bruto));
        EXPECT_EQ(item1().neto, money(c.neto));
        Dohoci doh = item1();
        ASSERT_EQ(ctx().ri.remove(doh), RiResult::Done);
    }
}

// UBACI writes the payment method chosen into slot 1; without a choice it says so and writes nothing.
TEST_F(ItemDispatchTest, UbaciWritesThePaymentMethod) {
    storedItem(2, "700");
    ModalSteps steps;
    std::int64_t slotsBefore = -1;
    steps.then([&](QWidget* form) {
        click(form, "UBACI");
        slotsBefore = count(Svasta::table);
        click(form, "Gotovina - 4");
        click(form, "UBACI");
        click(form, "OK");
    });
    EXPECT_EQ(runItem(Request::Change, 1, steps), Response::Completed);
    EXPECT_EQ(texts(), std::vector<std::string>{"NISTE ODABRALI NAČIN ISPLATE"});
    EXPECT_EQ(slotsBefore, 0);
    std::int16_t method = 0;
    EXPECT_EQ(readPaymentMethod(store(), 1, method), StoreCode::Ok);
    EXPECT_EQ(method, 4);
}

// A new item left by any way but OK leaves no item, line or slot behind.
TEST_F(ItemDispatchTest, AnAbandonedInsertLeavesNothing) {
    const std::vector<std::function<void(QWidget*)>> ways{
        [](QWidget* f) { click(f, "Odustani"); },
        [](QWidget* f) { QTest::keyClick(f, Qt::Key_Escape); },
        [](QWidget* f) { f->close(); },
    };
    for (const auto& leave : ways) {
        ModalSteps steps;
        steps.then([&](QWidget* form) {
            EXPECT_EQ(lineCount(1), 12);
            click(form, "Tekući - 1");
            click(form, "UBACI");
            leave(form);
        });
        EXPECT_EQ(runItem(Request::Insert, 0, steps), Response::Cancelled);
        EXPECT_EQ(count(Dohoci::table), 0);
        EXPECT_EQ(count(Obracun::table), 0);
        EXPECT_EQ(count(Svasta::table), 0);
    }
}

// Cancelling a change leaves the lines as they were, whatever was chosen and calculated meanwhile:
// another payee, another type, a new net, a line entered by hand.
TEST_F(ItemDispatchTest, CancellingAChangeKeepsTheLinesItHad) {
    storedItem(2, "1000");
    Dohoci before = item1();
    std::vector<Obracun> linesBefore, linesAfter;
    ASSERT_EQ(readLines(store(), 1, linesBefore), StoreCode::Ok);
    ModalSteps steps;
    steps.then([&](QWidget* form) {
             later(form, [this, form] {
                 const auto lookUps = form->findChildren<QPushButton*>(QString(), Qt::FindChildrenRecursively);
                 std::vector<QPushButton*> dots;
                 for (auto* b : lookUps)
                     if (b->text() == "...") dots.push_back(b);
                 dots.at(0)->click();  // another payee
                 dots.at(1)->click();  // another type
                 enter(form, "NETO", "2000");
                 EXPECT_EQ(office->line(1, Pozicija::Neto), money("2000"));
                 ListPanel* lines = form->findChild<ListPanel*>();
                 QTest::keyClick(lines->view(), Qt::Key_Insert);  // a line by hand
                 EXPECT_EQ(lineCount(1), 15);  // 1 to 14, and 20
                 click(form, "Odustani");
             });
         })
        .then([](QWidget* payees) { keys(payees, "kov"); })
        .then([](QWidget* types) { keys(types, "1"); })
        .then([](QWidget* lineForm) {
            FormScreen& form = test::formOf(lineForm);
            EXPECT_EQ(form.windowTitle(), "Adding a obracun Record");
            test::ScreensFixture::retype(test::ScreensFixture::entry(form, "POZICIJA"), "20");
            test::ScreensFixture::retype(test::ScreensFixture::entry(form, "IZNOS"), "5");
            form.okButton()->click();
        });
    EXPECT_EQ(runItem(Request::Change, 1, steps), Response::Cancelled);
    ASSERT_EQ(readLines(store(), 1, linesAfter), StoreCode::Ok);
    ASSERT_EQ(linesAfter.size(), linesBefore.size());
    for (std::size_t i = 0; i < linesBefore.size(); ++i) {
        EXPECT_EQ(linesAfter[i].pozicija, linesBefore[i].pozicija);
        EXPECT_EQ(linesAfter[i].iznos, linesBefore[i].iznos);
    }
    EXPECT_EQ(item1().neto, before.neto);
}

// A new item takes the last type used, or the next lower one, and starts with twelve named lines of 0;
// the books' first item (21 when there is none before it) takes the type numbered below 21.
TEST_F(ItemDispatchTest, ANewItemStartsFromTheLastTypeUsed) {
    struct Case {
        std::uint8_t glo;
        const char* taken;  // the type's name as the form shows it
    } cases[] = {{2, "Autorski honorar"}, {21, "Više stopa"}, {0, ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.glo));
        ctx().glo.vrstadoh = c.glo;
        ModalSteps steps;
        std::vector<std::string> names;
        QString type;
        std::int64_t lines = 0;
        steps.then([&](QWidget* form) {
            names = column(*form->findChild<ListPanel*>(), 0);
            type = form->findChild<QLabel*>("VRSTA")->text();
            lines = lineCount(1);
            click(form, "Odustani");
        });
        runItem(Request::Insert, 0, steps);
        EXPECT_EQ(type.toStdString(), c.taken);
        EXPECT_EQ(lines, 12);
        ASSERT_EQ(names.size(), 12u);
        EXPECT_EQ(names.front(), "Bruto");
    }
}

}  // namespace
}  // namespace pramo
