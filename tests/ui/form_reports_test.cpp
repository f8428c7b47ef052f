// The payments list's menu "Ispisi obrazaca": R-Sm A and B of the payment, ID-1 of its payer's
// year, each run as the window runs it, from the commands the subsystems register.

#include "app/register_screens.h"
#include "preview/ui/full_preview.h"
#include "preview_test_support.h"
#include "shell/app_context.h"
#include "shell/screen_registry.h"
#include "support/office.h"
#include "support/test_data.h"

namespace pramo {
namespace {

const DocumentCommand& registered(const ScreenRegistry& registry, const char* text) {
    for (const DocumentCommand& c : registry.commands())
        if (c.text == text) return c;
    throw std::logic_error(text);
}

TEST(FormReports, MenuEntriesOpenTheFullPreview) {
    test::TestData data;
    test::Office office(data.files);
    office.standardRegisters();
    office.add(Isplate{.oznaka = 1, .isplatitelj = 1, .rsid = "15074", .datum = test::date(2015, 3, 15), .godina = "2015"});
    for (std::int32_t i = 1; i <= 12; ++i)
        office.item({.oznaka = i, .rednibroj = static_cast<std::uint16_t>(i), .isplata = 1, .djelatnik = 1 + i % 3,
                     .vrstadohotka = 1, .neto = test::money("100")});
    Integrity ri{data.files};
    Globals glo;
    AppContext ctx{data.store, data.files, ri, data.messages, glo, office.clock(), data.dir.path().string()};
    ScreenRegistry registry;
    registerAllScreens(registry);
    QWidget window;
    const struct { const char* text; QKeySequence key; const char* title; int pages; } cases[] = {
        {"RSm - A", QKeySequence(Qt::CTRL | Qt::Key_A), "Obrazac R-Sm - stranica A", 1},
        {"RSm - B", QKeySequence(Qt::CTRL | Qt::Key_B), "Obrazac R-Sm - stranica B", 2},
        {"ID-1", QKeySequence(Qt::CTRL | Qt::Key_I), "Obrazac ID-1", 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const DocumentCommand& command = registered(registry, c.text);
        EXPECT_EQ(command.place, CommandPlace::Menu);
        EXPECT_EQ(command.key, c.key);
        int pages = 0;
        QString title;
        test::whenModalOpens<FullPreview>([&](FullPreview* p) {
            title = p->windowTitle();
            pages = p->pages().count();
            p->command("exit")->trigger();
        });
        CommandCall call{ctx, &window, {.payer = 1, .payment = 1, .year = 2015}, [](PrinterKind) {}};
        command.run(call);
        EXPECT_EQ(title, c.title);
        EXPECT_EQ(pages, c.pages);
    }
    // With no payment highlighted an entry does nothing.
    bool opened = false;
    QTimer::singleShot(0, [&] {
        if (auto* p = test::windowOnTop<FullPreview>()) {
            opened = true;
            p->command("exit")->trigger();
        }
    });
    CommandCall none{ctx, &window, {}, [](PrinterKind) {}};
    registered(registry, "RSm - A").run(none);
    QCoreApplication::processEvents();
    EXPECT_FALSE(opened);
}

}  // namespace
}  // namespace pramo
