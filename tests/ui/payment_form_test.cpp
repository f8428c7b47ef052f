// The payment form UPISISPLATE as a user works it from the payments list: the proposed date, the
// RS Id following the date from 2014 on, the steps, the items list, the duplicate RS Id and the
// cancelled new payment that leaves nothing.

#include <QLabel>
#include <QToolButton>

#include "payments/ui/payment_lists.h"
#include "ui/payments_fixture.h"

namespace pramo {
namespace {

using test::date;
using test::formOf;
using test::ModalSteps;

class PaymentForm : public test::PaymentsFixture {
protected:
    // Runs `step` on the payment form opened by `request` from the list (on the highlighted payment).
    void withForm(Request request, ModalSteps::Step step) {
        IsplateScreen& s = isplate ? *isplate : openPayments();
        ModalSteps steps;
        steps.then(std::move(step));
        if (request == Request::Insert) s.payments()->insertRecord();
        else s.payments()->changeRecord();
        EXPECT_TRUE(steps.allDone());
    }
    static QString shown(FormScreen& form, std::string_view field) { return entry(form, field)->text(); }
    // The RS Id the date gives, shown beside the date.
    static QString locDan(FormScreen& form) {
        auto* row = entry(form, "DATUM")->parentWidget()->parentWidget();
        for (QLabel* l : row->findChildren<QLabel*>())
            if (l->text().size() == 5 && l->text().front().isDigit()) return l->text();
        return {};
    }
    // Types a date and leaves the field with Tab.
    static void typeDate(FormScreen& form, const QString& d) {
        QApplication::setActiveWindow(&form);
        entry(form, "DATUM")->setFocus();
        retype(entry(form, "DATUM"), d);
        QTest::keyClick(entry(form, "DATUM"), Qt::Key_Tab);
        QApplication::processEvents();
    }
    static QToolButton* dateButton(FormScreen& form, int i) {
        return entry(form, "DATUM")->parentWidget()->findChildren<QToolButton*>()[i];
    }
};

// With today's and tomorrow's RS Id taken, the day after tomorrow is proposed; typed dates give
// their RS Id and year; the buttons and numeric + and − move the date and the RS Id.
TEST_F(PaymentForm, NewPaymentDateAndRsId) {
    pay(1, date(2015, 3, 14));
    pay(2, date(2015, 3, 15));
    withForm(Request::Insert, [&](QWidget* modal) {
        FormScreen& form = formOf(modal);
        EXPECT_EQ(form.windowTitle(), "Unos nove isplate");
        EXPECT_EQ(shown(form, "DATUM"), "16.03.2015");
        EXPECT_EQ(shown(form, "RSID"), "15075");
        EXPECT_EQ(locDan(form), "15075");
        const std::pair<const char*, const char*> dates[] = {
            {"01.02.2014", "14032"}, {"31.12.2016", "16366"}, {"5.1.2015", "15005"}};
        for (const auto& [d, rsid] : dates) {
            typeDate(form, d);
            EXPECT_EQ(shown(form, "RSID"), rsid) << d;
            EXPECT_EQ(shown(form, "GODINA"), QString(d).right(4)) << d;
        }
        EXPECT_EQ(shown(form, "GODINA"), "2015");
        dateButton(form, 0)->click();
        QTest::keyClick(entry(form, "DATUM"), Qt::Key_Plus, Qt::KeypadModifier);
        EXPECT_EQ(shown(form, "DATUM"), "07.01.2015");
        EXPECT_EQ(shown(form, "RSID"), "15007");
        dateButton(form, 1)->click();
        QTest::keyClick(entry(form, "RSID"), Qt::Key_Minus, Qt::KeypadModifier);
        EXPECT_EQ(shown(form, "RSID"), "15005");
        form.okButton()->click();
    });
    Isplate isp{.oznaka = 3};
    ASSERT_EQ(store().get(Isplate::keyOznaka, isp), StoreCode::Ok);
    EXPECT_EQ(std::make_tuple(isp.isplatitelj, isp.datum, isp.rsid.str(), isp.godina.str()),
              std::make_tuple(1, date(2015, 1, 6), std::string("15005"), std::string("2015")));
    EXPECT_EQ(highlighted(*isplate->payments(), 3), "3");
}

// A payment of 2013 keeps its RS Id when its date changes within 2013 (and on opening); from 2014
// the date's RS Id replaces it, also the one stored for a later date. The year follows the date.
TEST_F(PaymentForm, RsIdOf2013IsKept) {
    pay(1, date(2013, 4, 10), "13777");
    pay(2, date(2015, 3, 2), "15999");
    withForm(Request::Change, [&](QWidget* modal) {  // the newest: 2015, stored with another RS Id
        FormScreen& form = formOf(modal);
        EXPECT_EQ(form.windowTitle(), "Promjene");
        EXPECT_EQ(shown(form, "RSID"), "15061");
        form.cancelButton()->click();
    });
    key(*isplate->payments(), Qt::Key_Down);
    withForm(Request::Change, [&](QWidget* modal) {
        FormScreen& form = formOf(modal);
        EXPECT_EQ(shown(form, "RSID"), "13777");
        typeDate(form, "31.12.2013");
        dateButton(form, 1)->click();
        EXPECT_EQ(shown(form, "RSID"), "13777");
        dateButton(form, 0)->click();
        dateButton(form, 0)->click();
        EXPECT_EQ(shown(form, "RSID"), "14001");
        EXPECT_EQ(shown(form, "GODINA"), "2014");
        form.cancelButton()->click();
    });
}

// A date that is no day of the calendar is refused at the field with a message; the focus stays
// in it and OK does not save it.
TEST_F(PaymentForm, ImpossibleDateIsRefusedAtTheField) {
    withForm(Request::Insert, [&](QWidget* modal) {
        FormScreen& form = formOf(modal);
        for (const char* d : {"31.04.2015", "29.02.2015", "32.1.2015", "1.13.2015"}) {
            messages.shown.clear();
            typeDate(form, d);
            EXPECT_EQ(lastMessage(), "Datum: datum nije ispravan (dd.mm.gggg).") << d;
            EXPECT_EQ(QApplication::focusWidget(), entry(form, "DATUM")) << d;
            form.okButton()->click();
            QApplication::processEvents();
            EXPECT_TRUE(form.isVisible()) << d;
            EXPECT_EQ(lastMessage(), "Datum: datum nije ispravan (dd.mm.gggg).") << d;
        }
        typeDate(form, "29.02.2016");
        EXPECT_EQ(shown(form, "RSID"), "16060");
        form.okButton()->click();
    });
    Isplate isp{.oznaka = 1};
    ASSERT_EQ(store().get(Isplate::keyOznaka, isp), StoreCode::Ok);
    EXPECT_EQ(isp.datum, date(2016, 2, 29));
}

// OK with an RS Id the payer already has in that year names the key and the form stays open.
TEST_F(PaymentForm, DuplicateRsIdNamesTheKey) {
    pay(1, date(2015, 3, 14));
    pay(2, date(2015, 3, 15));
    const Request requests[] = {Request::Insert, Request::Change};
    for (Request r : requests) {
        messages.shown.clear();
        withForm(r, [&](QWidget* modal) {
            FormScreen& form = formOf(modal);
            typeDate(form, "14.03.2015");
            form.okButton()->click();
            EXPECT_TRUE(form.isVisible());
            EXPECT_NE(lastMessage().find("ISP:KeyRSIdIsplatitelj"), std::string::npos) << lastMessage();
            form.cancelButton()->click();
        });
    }
    EXPECT_EQ(count(Isplate::table), 2);
}

// A new payment left with Odustani takes the items entered for it, their lines and payment
// methods along, in one transaction.
TEST_F(PaymentForm, CancelledNewPaymentLeavesNothing) {
    pay(1, date(2015, 3, 1));
    office->item({.oznaka = 1, .rednibroj = 1, .isplata = 1, .djelatnik = 1, .vrstadohotka = 1, .neto = test::money("100")}, 1);
    const auto before = counts();
    withForm(Request::Insert, [&](QWidget* modal) {
        FormScreen& form = formOf(modal);
        const std::int32_t isplata = form.as<Isplate>().oznaka;
        EXPECT_EQ(isplata, 2);
        office->item({.oznaka = 2, .rednibroj = 1, .isplata = isplata, .djelatnik = 2, .vrstadohotka = 2,
                      .neto = test::money("1000")}, 1);
        office->item({.oznaka = 3, .rednibroj = 2, .isplata = isplata, .djelatnik = 3, .vrstadohotka = 3,
                      .neto = test::money("50")}, 4);
        form.list()->refresh();
        EXPECT_EQ(column(*form.list(), 2), (std::vector<std::string>{"Kovačević", "Šimić"}));
        EXPECT_EQ(column(*form.list(), 4), (std::vector<std::string>{"1.000,00", "50,00"}));
        messages.answers = {1};  // DA: throw the new payment away
        form.cancelButton()->click();
    });
    EXPECT_EQ(counts(), before);
}

// Every way out of a new payment that holds items (Odustani, Esc in a field or in the items list,
// closing the window) asks first: NE, the default, keeps the form and everything in it; DA leaves
// nothing. Without items nothing is asked.
TEST_F(PaymentForm, LeavingANewPaymentWithItemsAsksFirst) {
    const auto before = counts();
    using Leave = std::function<void(FormScreen&)>;
    const auto escIn = [](QWidget* w) {
        QApplication::setActiveWindow(w->window());
        w->setFocus();
        QTest::keyClick(w, Qt::Key_Escape);
    };
    const std::pair<const char*, Leave> ways[] = {
        {"Odustani", [](FormScreen& f) { f.cancelButton()->click(); }},
        {"Esc in the date", [&](FormScreen& f) { escIn(entry(f, "DATUM")); }},
        {"Esc in the items", [&](FormScreen& f) { escIn(f.list()->view()); }},
        {"window closed", [](FormScreen& f) { f.close(); }},
    };
    for (const auto& [way, leave] : ways) {
        SCOPED_TRACE(way);
        withForm(Request::Insert, [&, &leave = leave](QWidget* modal) {
            FormScreen& form = formOf(modal);
            leave(form);  // no items yet: it just goes
            EXPECT_FALSE(form.isVisible());
            EXPECT_TRUE(messages.shown.empty());
        });
        withForm(Request::Insert, [&, &leave = leave](QWidget* modal) {
            FormScreen& form = formOf(modal);
            const std::int32_t isplata = form.as<Isplate>().oznaka;
            office->item({.oznaka = 1, .rednibroj = 1, .isplata = isplata, .djelatnik = 1, .vrstadohotka = 1,
                          .neto = test::money("100")}, 1);
            form.list()->refresh();
            messages.shown.clear();
            leave(form);  // Enter on the question: NE
            ASSERT_EQ(messages.shown.size(), 1u);
            EXPECT_EQ(messages.shown[0].text, dropNewPaymentQuestion);
            EXPECT_EQ(messages.shown[0].named, (std::vector<std::string>{"DA", "NE"}));
            EXPECT_EQ(messages.shown[0].defaultButton, 2);
            EXPECT_TRUE(form.isVisible());
            EXPECT_EQ(count(Dohoci::table), before[1] + 1);
            messages.answers = {1};
            leave(form);
            EXPECT_FALSE(form.isVisible());
        });
        EXPECT_EQ(counts(), before);
        messages.shown.clear();
    }
}

// Delete asks first and then takes the payment's items, lines and slots along; the form is not shown.
TEST_F(PaymentForm, DeleteTakesTheItemsAlong) {
    pay(1, date(2015, 3, 1));
    pay(2, date(2015, 3, 2));
    office->item({.oznaka = 1, .rednibroj = 1, .isplata = 2, .djelatnik = 1, .vrstadohotka = 1, .neto = test::money("100")}, 1);
    const auto before = counts();
    IsplateScreen& s = openPayments();
    messages.answers = {ButtonOk};
    key(*s.payments(), Qt::Key_Delete);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].warningId, static_cast<int>(Warning::ConfirmDelete));
    EXPECT_EQ(counts(), (std::vector<std::int64_t>{before[0] - 1, before[1] - 1, before[2] - 14, before[3] - 1}));
    EXPECT_EQ(column(*s.payments(), 0), std::vector<std::string>{"15060"});
}

}  // namespace
}  // namespace pramo
