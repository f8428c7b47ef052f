// The payments list's "HUB3A" button: the orders of the payment in the full preview.

#include "orders/ui/orders_commands.h"
#include "preview/ui/full_preview.h"
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
    Integrity ri{data.files};
    Globals glo;
    AppContext ctx{data.store, data.files, ri, data.messages, glo, office.clock(), data.dir.path().string()};
    test::ScriptedHost host;
    test::whenModalOpens<FullPreview>([](FullPreview* p) {
        EXPECT_EQ(p->windowTitle(), "Nalozi za plaćanje HUB-3A");
        EXPECT_EQ(p->pages().count(), 2);  // five orders, three to a sheet
        p->command("exit")->trigger();
    });
    EXPECT_FALSE(printHub3a(1, PrinterKind::Laser, ctx, host, nullptr));
}

}  // namespace
}  // namespace pramo
