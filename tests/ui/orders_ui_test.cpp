// The HUB-3A orders as the payments list's "HUB3A" button starts them: the orders of the payment
// in the full preview, after a word about any order without the recipient's account.

#include "orders/order_reports.h"
#include "preview/ui/full_preview.h"
#include "preview/ui/run_report.h"
#include "preview_test_support.h"
#include "shell/app_context.h"
#include "support/office.h"
#include "support/test_data.h"

namespace pramo {
namespace {

TEST(OrdersUi, Hub3aOpensTheFullPreview) {
    test::TestData data;
    test::Office office(data.files);
    office.standardRegisters();
    office.add(Isplate{.oznaka = 1, .isplatitelj = 1, .rsid = "15074", .datum = test::date(2015, 3, 15)});
    office.item({.oznaka = 1, .rednibroj = 1, .isplata = 1, .djelatnik = 1, .vrstadohotka = 2, .neto = test::money("1000")});
    office.item({.oznaka = 2, .rednibroj = 2, .isplata = 1, .djelatnik = 2, .vrstadohotka = 2, .neto = test::money("500")});
    Integrity ri{data.files};
    Globals glo;
    AppContext ctx{data.store, data.files, ri, data.messages, glo, office.clock(), data.dir.path().string()};
    test::ScriptedHost host;
    test::whenModalOpens<FullPreview>([](FullPreview* p) {
        EXPECT_EQ(p->windowTitle(), "Nalozi za plaćanje HUB-3A");
        EXPECT_EQ(p->pages().count(), 3);  // seven orders, three to a sheet
        p->command("exit")->trigger();
    });
    EXPECT_FALSE(startReport(hub3aReport, {.payment = 1}, ctx, host, nullptr));
    // Before the preview, the bookkeeper is told which order has no account to pay to.
    ASSERT_EQ(data.messages.shown.size(), 1u);
    EXPECT_EQ(data.messages.shown[0].text,
              "Nalog 3 (Autorski honorar - Ana Kovačević): nema ispravnog IBAN-a primatelja; ispisan je bez računa i bez 2D koda.");
}

}  // namespace
}  // namespace pramo
