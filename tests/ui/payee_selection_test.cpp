#include <QApplication>
#include <QClipboard>

#include "registers/ui/payee_selection.h"
#include "records/layouts/mjesta.h"
#include "ui/item_fixture.h"

namespace pramo {
namespace {

class PayeeSelectionTest : public test::ItemFixture {};

// By surname only payees with an OIB; Šimić (no OIB) is chosen under her place, Zagreb.
TEST_F(PayeeSelectionTest, APayeeWithoutOibIsChosenByPlace) {
    Osobe oso;
    test::ModalSteps steps;
    steps.then([&](QWidget* window) {
        auto* chooser = window->findChild<ListScreen*>();
        ListPanel* payees = chooser->panel();
        EXPECT_EQ(column(*payees, 0), (std::vector<std::string>{"Horvat", "Kovačević"}));
        payees->setCurrentTab(1);
        ListPanel* places = nullptr;
        for (auto* p : chooser->findChildren<ListPanel*>())
            if (p->spec().table == &Mjesta::table) places = p;
        key(*places, Qt::Key_Down);  // Split, then Zagreb
        EXPECT_EQ(column(*payees, 0), (std::vector<std::string>{"Horvat", "Šimić"}));
        key(*payees, Qt::Key_Down);
        key(*payees, Qt::Key_Return);
    });
    EXPECT_EQ(selectPayeeForItem(ctx(), oso, nullptr), Response::Completed);
    EXPECT_EQ(oso.oznaka, 3);
}

// A payee inserted in the place order starts in the highlighted place, in the payee form.
TEST_F(PayeeSelectionTest, InsertingByPlaceOpensThePayeeFormInThatPlace) {
    ListPanel& list = open(odabirOsobeZaDoh);
    list.setCurrentTab(1);  // Split highlighted
    std::int32_t mjesto = 0;
    test::ModalSteps steps;
    steps.then([&](QWidget* modal) {
        FormScreen& form = test::formOf(modal);
        EXPECT_EQ(form.windowTitle(), "Unos novog primatelja");
        mjesto = form.as<Osobe>().mjesto;
        form.cancelButton()->click();
    });
    list.button(ListButton::Insert)->click();
    EXPECT_TRUE(steps.allDone());
    EXPECT_EQ(mjesto, 2);
}

// The surname typed so far is shown below the rows; Alt+Q puts the highlighted payee's OIB on the clipboard.
TEST_F(PayeeSelectionTest, TypingLocatesAndTheOibIsCopied) {
    ListPanel& list = open(odabirOsobeZaDoh);
    type(list, "kov");
    EXPECT_EQ(highlighted(list, 0), "Kovačević");
    EXPECT_EQ(list.belowValue(3)->text(), "kov");
    EXPECT_EQ(list.belowValue(2)->text(), "Kovačević Ana");
    QAbstractButton* copy = test::buttonNamed(screen.get(), "OIB (Alt+Q)");
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->shortcut(), QKeySequence(Qt::ALT | Qt::Key_Q));
    copy->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "94577403194");
    EXPECT_FALSE(list.button(ListButton::Select)->isVisible());
}

}  // namespace
}  // namespace pramo
