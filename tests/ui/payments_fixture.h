#pragma once
// The payments list over the shared office (today 14.03.2015), shown as a user sees it.

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "payments/payment_dates.h"
#include "payments/ui/payments_screen.h"
#include "records/layouts/dohoci.h"
#include "records/layouts/obracun.h"
#include "records/layouts/subjekti.h"
#include "records/layouts/svasta.h"
#include "support/office.h"
#include "ui/screens_fixture.h"

namespace pramo::test {

struct PaymentsFixture : ScreensFixture {
    std::unique_ptr<Office> office;
    std::unique_ptr<IsplateScreen> isplate;

    void SetUp() override {
        ScreensFixture::SetUp();
        office = std::make_unique<Office>(ctx().files, clock.today());
        office->standardRegisters();
    }
    void TearDown() override {
        isplate.reset();
        office.reset();
        ScreensFixture::TearDown();
    }
    // A payment of payer 1 on `d`, with the RS Id the date gives unless one is named.
    Isplate pay(std::int32_t n, Date d, std::string rsid = {}, std::int32_t payer = 1) {
        return office->add(Isplate{.oznaka = n, .isplatitelj = payer, .rsid = rsid.empty() ? rsIdOf(d) : rsid,
                                   .datum = d, .godina = std::to_string(d.year())});
    }
    IsplateScreen& openPayments() {
        isplate = std::make_unique<IsplateScreen>(ctx());
        isplate->resize(1000, 600);
        isplate->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(isplate.get()));
        isplate->activateWindow();  // the focus and the keys reach the active window only
        EXPECT_TRUE(QTest::qWaitForWindowActive(isplate.get()));
        return *isplate;
    }
    // Payments, items, lines and slots of the data directory.
    std::vector<std::int64_t> counts() {
        return {count(Isplate::table), count(Dohoci::table), count(Obracun::table), count(Svasta::table)};
    }
    std::string lastMessage() const { return messages.shown.empty() ? "" : messages.shown.back().text; }
    QAction* menuEntry(const QString& text) const {
        for (QAction* a : isplate->menu()->actions().front()->menu()->actions())
            if (a->text() == text) return a;
        return nullptr;
    }
};

}  // namespace pramo::test
