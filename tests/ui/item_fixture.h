#pragma once
// The income item form's tests: the program started over the test office (registers, payment 1 of
// payer 1, a multiple-rate type 4), the form opened as the payment form opens it, and its widgets
// reached as a user reaches them.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "payments/lines.h"
#include "payments/ui/item_form.h"
#include "records/store/read_linked.h"
#include "records/layouts/obracun.h"
#include "records/layouts/svasta.h"
#include "records/layouts/vrstedoh.h"
#include "support/office.h"
#include "ui/screens_fixture.h"

namespace pramo::test {

struct ItemFixture : ScreensFixture {
    std::unique_ptr<Office> office;

    void SetUp() override {
        ScreensFixture::SetUp();
        office = std::make_unique<Office>(ctx().files, clock.today());
        office->standardRegisters();
        office->add(Isplate{.oznaka = 1, .isplatitelj = 1, .rsid = "15073", .datum = date(2015, 3, 14), .godina = "2015"});
        office->add(Vrstedoh{.oznaka = 4, .naziv = "Više stopa", .visestopa = "DA", .mirovinskoistup = rate("15"),
                             .mirovinskoiistup = rate("5"), .zdravstvenoosiguranje = rate("15"),
                             .osobniodbitak = dec<Dec<7, 2>>("2200")});
    }

    // Opens the form for `request` on item `oznaka` (insert: a new item of payment 1) and runs
    // `steps` on the windows it opens; answers the form's response.
    Response runItem(Request request, std::int32_t oznaka, ModalSteps& steps) {
        Dohoci doh{.isplata = 1};
        if (oznaka) {
            EXPECT_EQ(readLinked(store(), oznaka, doh), StoreCode::Ok);
        }
        const Response r = openItemForm(ctx(), request, doh, nullptr);
        EXPECT_TRUE(steps.allDone());
        return r;
    }

    static QLineEdit* field(QWidget* form, const char* name) { return form->findChild<QLineEdit*>(name); }
    static void click(QWidget* form, const QString& text) {
        QAbstractButton* b = buttonNamed(form, text);
        ASSERT_NE(b, nullptr) << text.toStdString();
        b->click();
    }
    // Types into an entry and leaves it with Tab, as a user does.
    // Runs `act` from the window's own event loop, so that the windows it opens get their steps too.
    static void later(QWidget* window, std::function<void()> act) { QTimer::singleShot(0, window, std::move(act)); }
    // Keys to whatever has the focus in `window`, ended by `end`.
    static void keys(QWidget* window, const QString& text, Qt::Key end = Qt::Key_Return) {
        window->activateWindow();
        const auto focused = [window] { return window->focusWidget() ? window->focusWidget() : window; };
        if (!text.isEmpty()) QTest::keyClicks(focused(), text);
        QTest::keyClick(focused(), end);
    }
    static void enter(QWidget* form, const char* name, const QString& text) {
        QLineEdit* e = field(form, name);
        form->activateWindow();
        QApplication::processEvents();
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, text);
        QTest::keyClick(e, Qt::Key_Tab);
    }

    std::int64_t lineCount(std::int32_t item) {
        std::vector<Obracun> lines;
        EXPECT_EQ(readLines(store(), item, lines), StoreCode::Ok);
        return static_cast<std::int64_t>(lines.size());
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& b : messages.shown) out.push_back(b.text);
        return out;
    }
};

}  // namespace pramo::test
