// OK on the income item form: the lines saved always belong to the payee, type and net the item
// shows, and an item without a payee or a calculation is not saved. Driven through the form's
// logic, then once through its window.

#include "payments/ui/item_form_flow.h"
#include "ui/item_fixture.h"

namespace pramo {
namespace {

using test::ModalSteps;
using test::money;

class ItemOkTest : public test::ItemFixture {
protected:
    Dohoci item1() {
        Dohoci doh;
        EXPECT_EQ(readLinked(store(), 1, doh), StoreCode::Ok);
        return doh;
    }
    std::vector<std::string> said() {
        std::vector<std::string> out = texts();
        messages.shown.clear();
        return out;
    }
};

// Item 1 (Horvat in Zagreb, surtax 18 %, type 2, net 1000, gross 1439.26) changed and confirmed.
// Gross worked out by hand as net + pension + tax + surtax: Kovačević in Split (surtax 10 %, not in
// pillar II) 1000 + 198.31 + 198.30 + 19.83 = 1416.44; Horvat with a net of 700: 700 + 105.79 + 35.26
// + 141.05 + 25.39 = 1007.49; type 3 is wholly non-taxable, so its gross is the net.
TEST_F(ItemOkTest, OkCalculatesAgainWhatChangedSinceTheLastCalculation) {
    struct Case {
        const char* what;
        std::function<void(ItemFormFlow&, Store&)> act;
        const char* bruto;
    } const cases[] = {
        {"nothing changed: a line typed by hand stays",
         [](ItemFormFlow&, Store& st) { ASSERT_EQ(writeLine(st, 1, Pozicija::Bruto, money("1234.56")), StoreCode::Ok); },
         "1234.56"},
        {"another payee", [](ItemFormFlow& f, Store&) { f.choosePayee(2); }, "1416.44"},
        {"another type", [](ItemFormFlow& f, Store&) { f.chooseType(3); }, "1000.00"},
        {"another net", [](ItemFormFlow& f, Store&) { f.item().neto = money("700"); }, "1007.49"},
        {"another payee after a line typed by hand",
         [](ItemFormFlow& f, Store& st) {
             ASSERT_EQ(writeLine(st, 1, Pozicija::Bruto, money("1234.56")), StoreCode::Ok);
             f.choosePayee(2);
         },
         "1416.44"},
        {"the payee chosen again after IZRAČUN",
         [](ItemFormFlow& f, Store&) {
             f.choosePayee(2);
             f.izracun();
             f.choosePayee(1);
         },
         "1439.26"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        office->item({.oznaka = 1, .rednibroj = 1, .isplata = 1, .djelatnik = 1, .vrstadohotka = 2, .neto = money("1000")});
        RecordBuffer rec(Dohoci::table);
        rec.copyFrom(item1());
        {
            ItemFormFlow flow(ctx(), rec, Request::Change);
            ASSERT_TRUE(flow.open());
            c.act(flow, store());
            EXPECT_TRUE(flow.confirm());
            EXPECT_EQ(flow.response(), Response::Completed);
        }
        EXPECT_EQ(office->line(1, Pozicija::Bruto), money(c.bruto));
        EXPECT_EQ(said(), std::vector<std::string>{});
        Dohoci gone = item1();
        ASSERT_EQ(ctx().ri.remove(gone), RiResult::Done);
    }
}

// A new item is saved only with a payee and a calculation; OK calculates one not yet made.
TEST_F(ItemOkTest, OkRefusesAnItemWithoutPayeeOrCalculation) {
    const std::string noPayee = "Odaberi djelatnika", noLines = "Dohodak nema obračuna: upiši neto i pritisni IZRAČUN";
    struct Case {
        const char* what;
        std::int32_t payee;
        const char* neto;
        std::vector<std::string> said;  // empty: saved
    } const cases[] = {
        {"nothing chosen", 0, "0", {noPayee}},
        {"a net without payee", 0, "1000", {noPayee}},
        {"a payee without net", 1, "0", {noLines}},
        {"a payee and a net never calculated", 1, "1000", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordBuffer rec(Dohoci::table);
        rec.copyFrom(Dohoci{.isplata = 1});
        ctx().glo.vrstadoh = 2;
        ItemFormFlow flow(ctx(), rec, Request::Insert);
        ASSERT_TRUE(flow.open());
        flow.choosePayee(c.payee);
        flow.item().neto = money(c.neto);
        EXPECT_EQ(flow.confirm(), c.said.empty());
        EXPECT_EQ(said(), c.said);
        if (c.said.empty()) {
            EXPECT_EQ(office->line(flow.item().oznaka, Pozicija::Bruto), money("1439.26"));
            Dohoci gone = flow.item();
            ASSERT_EQ(ctx().ri.remove(gone), RiResult::Done);
        } else {
            flow.cancel();
            EXPECT_EQ(count(Dohoci::table), 0);
        }
    }
}

// Through the window: a stored item given another payee and saved has the other
// payee's surtax in its lines.
TEST_F(ItemOkTest, TheWindowSavesTheFiguresOfTheNewPayee) {
    office->item({.oznaka = 1, .rednibroj = 1, .isplata = 1, .djelatnik = 1, .vrstadohotka = 2, .neto = money("1000")});
    ModalSteps steps;
    steps.then([](QWidget* form) {
             later(form, [form] {
                 QAbstractButton* payee = nullptr;
                 for (auto* b : form->findChildren<QPushButton*>())
                     if (b->text() == "..." && !payee) payee = b;
                 payee->click();
                 click(form, "OK");
             });
         })
        .then([](QWidget* payees) { keys(payees, "kov"); });
    Dohoci doh = item1();
    EXPECT_EQ(openItemForm(ctx(), Request::Change, doh, nullptr), Response::Completed);
    EXPECT_TRUE(steps.allDone());
    EXPECT_EQ(item1().djelatnik, 2);
    EXPECT_EQ(office->line(1, Pozicija::Bruto), money("1416.44"));
}

}  // namespace
}  // namespace pramo
