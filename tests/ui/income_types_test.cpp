#include <QPushButton>

#include "records/layouts/neoporez.h"
#include "records/layouts/vbrat.h"
#include "registers/income_type_codes.h"
#include "registers/ui/code_books.h"
#include "registers/ui/income_types.h"
#include "ui/item_fixture.h"

namespace pramo {
namespace {

using test::formOf;
using test::ModalSteps;

class IncomeTypesTest : public test::ItemFixture {
protected:
    // Stores type 9 with these JOPPD codes and opens its form; `step` acts on it.
    Response openType(const char* a, const char* b, int neo, ModalSteps::Step step) {
        Vrstedoh vrs{.oznaka = 9, .naziv = "Probna", .visestopa = "NE", .rezstringa = a, .rezstringb = b};
        setNonTaxableCode(vrs, neo);
        office->add(vrs);
        RecordBuffer rec(Vrstedoh::table);
        rec.copyFrom(stored());  // as the list reads it
        ModalSteps steps;
        steps.then(std::move(step));
        return callForm(ctx(), upisVrsteDoh, Request::Change, rec, nullptr);
    }
    Vrstedoh stored() {
        Vrstedoh vrs;
        EXPECT_EQ(readLinked(store(), 9, vrs), StoreCode::Ok);
        return vrs;
    }
    static QPushButton* lookupButton(FormScreen& form, std::string_view field) {
        return form.editor(field)->parentWidget()->findChild<QPushButton*>();
    }
};

// The check on OK, with the warning on opening a type whose codes disagree (4003 is "01" in the code book).
TEST_F(IncomeTypesTest, TheCodesAreCheckedOnOk) {
    const std::string disagree = codesDisagree;
    struct Case {
        const char *a, *b;
        int neo;
        bool stored;
        const char* storedA;
        std::vector<std::string> said;
    } cases[] = {
        {"02", "4003", 0, false, "02", {disagree, disagree}},
        {"", "4001", 0, true, "02", {}},
        {"00", "0000", 5, true, "00", {}},
        {"00", "0001", 5, false, "00",
         {"Oznaka stjecatelja je neoporezivi primitak i unesena je oznaka neoporezivog primitka\na oznaka primitka nije 0000 !"}},
        {"01", "9999", 0, true, "01", {"Nije odabrana oznaka primitka"}},
        {"01", "4003", 5, false, "01",
         {"Oznaka stjecatelja nije neoporezivi primitak, a odabrana je oznaka neoporezivog primitka"}},
        {"00", "0000", 0, false, "00", {"Oznaka stjecatelja je neoporezivi primitak, a nije odabrana oznaka neoporezivog primitka"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.a) + "/" + c.b);
        messages.shown.clear();
        bool closedByOk = false;
        const Response r = openType(c.a, c.b, c.neo, [&](QWidget* modal) {
            FormScreen& form = formOf(modal);
            form.okButton()->click();
            closedByOk = !form.isVisible();
            if (!closedByOk) form.cancelButton()->click();
        });
        EXPECT_EQ(r == Response::Completed, c.stored);
        EXPECT_EQ(closedByOk, c.stored);
        EXPECT_EQ(stored().rezstringa.str(), c.storedA);
        EXPECT_EQ(texts(), c.said);
        Vrstedoh gone = stored();
        ASSERT_EQ(ctx().ri.remove(gone), RiResult::Done);
    }
}

// Choosing a non-taxable receipt makes the type one at once; the choice is refused while the
// recipient code or the receipt code says otherwise.
TEST_F(IncomeTypesTest, TheNonTaxableLookUp) {
    struct Case {
        const char *a, *b;
        const char* said;  // null: the list opens and its highlighted receipt is chosen
    } cases[] = {
        {"", "", nullptr},
        {"01", "4003", "Oznaka stjecatelja nije ispravna za neoporezivi primitak!"},
        {"", "9999", "Oznaka primitka mora biti 0000 za neoporezivi primitak!"},  // a code the book lacks: the recipient stays blank
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.a) + "/" + c.b);
        messages.shown.clear();
        Vrstedoh seen;
        bool listOpened = false;
        openType(c.a, c.b, 0, [&](QWidget* modal) {
            FormScreen& form = formOf(modal);
            later(modal, [&, modal] {
                ModalSteps list;
                list.then([&](QWidget* l) { listOpened = true; keys(l, "17"); });
                lookupButton(form, "REZDECIMALA")->click();
                seen = form.as<Vrstedoh>();
                form.cancelButton()->click();
            });
        });
        EXPECT_EQ(listOpened, c.said == nullptr);
        if (c.said) {
            EXPECT_EQ(texts(), std::vector<std::string>{c.said});
            EXPECT_EQ(nonTaxableCode(seen), 0);
        } else {
            EXPECT_EQ(nonTaxableCode(seen), 17);
            EXPECT_EQ(seen.rezstringa.str(), "00");
            EXPECT_EQ(seen.rezstringb.str(), "0000");
        }
        Vrstedoh gone = stored();
        ASSERT_EQ(ctx().ri.remove(gone), RiResult::Done);
    }
}

// Both code books chosen from as the income type form does: positioned on the current code,
// completed with the entry chosen, or cancelled leaving the caller's value.
TEST_F(IncomeTypesTest, CodeBooksAreChosenFrom) {
    struct Case {
        bool completed;
        const char* typed;
    } cases[] = {{true, "4002"}, {false, ""}};
    for (const Case& c : cases) {
        Vbrat vbr;
        vbr.shifra = "4001";
        Neoporez neo;
        neo.shifra = 17;
        const char* typed = c.typed;
        ModalSteps steps;
        for (int i = 0; i < 2; ++i)
            steps.then([&](QWidget* list) {
                if (c.completed) keys(list, typed);
                else click(list, "Zatvori");
            });
        EXPECT_EQ(selectRecord(ctx(), odabirVelikogBrata, vbr, nullptr) == Response::Completed, c.completed);
        typed = "25";
        EXPECT_EQ(selectRecord(ctx(), odabirNeoporezivog, neo, nullptr) == Response::Completed, c.completed);
        EXPECT_EQ(vbr.shifra.str(), c.completed ? "4002" : "4001");
        EXPECT_EQ(neo.shifra, c.completed ? 25 : 17);
        EXPECT_EQ(vbr.rezerva.str(), c.completed ? "02" : "");
    }
}

// A non-taxable receipt code entered by hand is labelled "0000" unless the user types another label.
TEST_F(IncomeTypesTest, ANewNonTaxableCodeIsLabelled0000) {
    RecordBuffer rec(Neoporez::table);
    QString shown;
    ModalSteps steps;
    steps.then([&](QWidget* modal) {
        FormScreen& form = formOf(modal);
        shown = entry(form, "KONTROLA")->text();
        typeAndLeave(form, "SHIFRA", "99");
        typeAndLeave(form, "NAZIV", "Probni primitak");
        form.okButton()->click();
    });
    EXPECT_EQ(callForm(ctx(), promjenaNeopPrimitaka, Request::Insert, rec, nullptr), Response::Completed);
    EXPECT_EQ(shown, "0000");
    Neoporez neo{.shifra = 99};
    ASSERT_EQ(store().get(Neoporez::keyShifra, neo), StoreCode::Ok);
    EXPECT_EQ(neo.kontrola.str(), "0000");
}

// The non-taxable receipts come with a new data directory, and the types list finds a type by its number.
TEST_F(IncomeTypesTest, StarterCodesAndTheNumberLocator) {
    EXPECT_EQ(count(Neoporez::table), 73);
    Neoporez neo{.shifra = 1};
    ASSERT_EQ(store().get(Neoporez::keyShifra, neo), StoreCode::Ok);
    EXPECT_EQ(neo.kontrola.str(), "01");
    ListPanel& list = open(vrsteDohotka);
    type(list, "3");
    EXPECT_EQ(highlighted(list, 1), "Naknada troškova");
    EXPECT_EQ(list.belowValue(1)->text(), "3");
    EXPECT_EQ(list.belowValue(0)->text(), "Naknada troškova");
}

}  // namespace
}  // namespace pramo
