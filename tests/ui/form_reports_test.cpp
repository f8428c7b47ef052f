// The payments list's menu "Ispisi obrazaca": R-Sm A and B of the payment, ID-1 of its payer's year.

#include <QMenu>

#include "preview/ui/full_preview.h"
#include "preview_test_support.h"
#include "reports/ui/form_reports.h"
#include "shell/app_context.h"
#include "support/office.h"
#include "support/test_data.h"

namespace pramo {
namespace {

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
    QWidget window;
    QMenu menu;
    addFormReportEntries(menu, ctx, [] { return FormReportTarget{.isplata = 1, .isplatitelj = 1, .godina = 2015}; },
                         &window);
    const QList<QAction*> entries = menu.actions();
    ASSERT_EQ(entries.size(), 3);
    const struct { const char* text; QKeySequence key; const char* title; int pages; } cases[] = {
        {"RSm - A", QKeySequence(Qt::CTRL | Qt::Key_A), "Obrazac R-Sm - stranica A", 1},
        {"RSm - B", QKeySequence(Qt::CTRL | Qt::Key_B), "Obrazac R-Sm - stranica B", 2},
        {"ID-1", QKeySequence(Qt::CTRL | Qt::Key_I), "Obrazac ID-1", 1}};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(cases[i].text);
        EXPECT_EQ(entries[i]->text(), cases[i].text);
        EXPECT_EQ(entries[i]->shortcut(), cases[i].key);
        int pages = 0;
        QString title;
        test::whenModalOpens<FullPreview>([&](FullPreview* p) {
            title = p->windowTitle();
            pages = p->pages().count();
            p->command("exit")->trigger();
        });
        entries[i]->trigger();
        EXPECT_EQ(title, cases[i].title);
        EXPECT_EQ(pages, cases[i].pages);
    }
}

}  // namespace
}  // namespace pramo
