#include <QMdiArea>

#include "app/register_screens.h"
#include "preview/ui/printer_params.h"
#include "records/layouts/mjesta.h"
#include "records/layouts/opcine.h"
#include "records/layouts/osobe.h"
#include "shell/desktop/main_window.h"
#include "ui/screens_fixture.h"
#include "ui/test_screens.h"

namespace pramo {
namespace {

// Every list and form the program registers, and every one they lead to, resolves: each field,
// key, tab and hook it names exists and works on the right file.
TEST(Declarations, EveryRegisteredDeclarationResolves) {
    ScreenRegistry registry;
    registerAllScreens(registry);
    registry.declare(test::osobeList);  // the screen tests' own declarations too
    registry.declare(test::upisOsobe);
    const Declarations& all = registry.declarations();
    const auto has = [](const auto& in, const auto* d) { return std::find(in.begin(), in.end(), d) != in.end(); };
    EXPECT_TRUE(has(all.lists, &browseParam) && has(all.forms, &updateParam));
    EXPECT_TRUE(has(all.lists, &test::opcineList)) << "a look-up's list, reached through a linked list's form";
    EXPECT_TRUE(has(all.lists, &test::mjestaOpcine)) << "a list shown below another";
    EXPECT_EQ(all.firstFault(), "");
    EXPECT_TRUE(registry.registeredTwice().empty());
}

// One fault planted at a time in a copy of a declaration, each found and named.
TEST(Declarations, AFaultIsFoundWhereverItIs) {
    struct Case {
        const char* what;
        std::function<void(ListSpec&, FormSpec&)> spoil;
        const char* named;
    };
    const Case cases[] = {
        {"column field", [](ListSpec& l, FormSpec&) { l.columns[1] = column("Namjena", "MODELPRINTRA"); }, "PAR:MODELPRINTRA"},
        {"look-up column", [](ListSpec& l, FormSpec&) { l.columns[1] = lookup("X", "OZNAKA", Opcine::keyOznaka, "NAZV"); }, "OPC:NAZV"},
        {"sort of another file", [](ListSpec& l, FormSpec&) { l.tabs[0].key = &Mjesta::keyNaziv; }, "not a key of PARAM"},
        {"range field", [](ListSpec& l, FormSpec&) { l.tabs[0].range = rangeFrom(test::mjestaList, "OZNAKA", "OPCNA"); }, "MJE:OPCNA"},
        {"range over another file",
         [](ListSpec& l, FormSpec&) { l.tabs[0].range = rangeBy<Mjesta>(1, [](const ListPanel&, Mjesta&) { return true; }); },
         "the range works on MJESTA"},
        {"filter over another file",
         [](ListSpec& l, FormSpec&) { l.tabs[0].filter = rowsWhere<Osobe>([](const Osobe&) { return true; }); },
         "the filter works on OSOBE"},
        {"computed column over another file",
         [](ListSpec& l, FormSpec&) { l.columns.push_back(computed<Osobe>("Ime", [](const Osobe& o) { return o.ime.str(); })); },
         "column Ime works on OSOBE"},
        {"insert primer over another file",
         [](ListSpec& l, FormSpec&) { l.hooks.primeInsert = primeWith<Mjesta>([](ListPanel&, Mjesta&) {}); }, "primeInsert works on MJESTA"},
        {"form field", [](ListSpec&, FormSpec& f) { f.fields[2].field = "XPOZ"; }, "PAR:XPOZ"},
        {"form default", [](ListSpec&, FormSpec& f) { f.defaults = {{"YPS", "1"}}; }, "PAR:YPS"},
        {"form tab", [](ListSpec&, FormSpec& f) { f.fields[0].tab = 2; }, "Oznaka: no such tab"},
        {"look-up shown field",
         [](ListSpec&, FormSpec& f) { f.fields[0].lookup = {.list = &test::opcineList, .key = &Opcine::keyOznaka, .shown = "NAZI"}; },
         "OPC:NAZI"},
        {"look-up list of another file",
         [](ListSpec&, FormSpec& f) { f.fields[0].lookup = {.list = &test::mjestaList, .key = &Opcine::keyOznaka, .shown = "NAZIV"}; },
         "does not show OPCINE"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FormSpec form = updateParam;
        ListSpec list = browseParam;
        list.form = &form;
        c.spoil(list, form);
        const std::string fault = declarationFault(list);  // the form's faults are found through its list
        EXPECT_NE(fault.find(c.named), std::string::npos) << fault;
    }
}

class DeclarationAtRunTime : public test::ScreensFixture {};

// A faulty declaration met at run time is reported and the program goes on: the menu opens no
// window, a list's form does not open, and the list stays usable.
TEST_F(DeclarationAtRunTime, IsReportedAndTheProgramGoesOn) {
    ListSpec broken = browseParam;
    broken.columns[0] = pramo::column("Oznaka", "OZNAK");
    ScreenRegistry screens;
    screens.add(MenuCommand::Printer, broken);
    MainWindow window(ctx(), screens);
    EXPECT_EQ(window.openScreen(MenuCommand::Printer), nullptr);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("PAR:OZNAK "), std::string::npos) << messages.shown[0].text;
    EXPECT_TRUE(window.mdiArea()->subWindowList().isEmpty());

    FormSpec badForm = updateParam;
    badForm.fields[1].field = "MODEL";
    ListSpec list = browseParam;
    list.form = &badForm;
    ListPanel& panel = open(list);
    key(panel, Qt::Key_Insert);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_NE(messages.shown[1].text.find("PAR:MODEL "), std::string::npos) << messages.shown[1].text;
    EXPECT_EQ(count(Param::table), 0);
    EXPECT_TRUE(screen->isVisible());
    screen.reset();  // before the declarations it shows go
}

}  // namespace
}  // namespace pramo
