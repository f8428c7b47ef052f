// What the subsystems register beside their screens: the lists other subsystems' forms choose
// records from, and the payments window's document commands in their places and order.

#include <gtest/gtest.h>

#include "app/register_screens.h"
#include "records/layouts/osobe.h"
#include "records/layouts/subjekti.h"
#include "records/layouts/vrstedoh.h"
#include "shell/screen_registry.h"

namespace pramo {
namespace {

ScreenRegistry programScreens() {
    ScreenRegistry registry;
    registerAllScreens(registry);
    return registry;
}

// Every look-up that chooses from a registered list finds one, and one of the right file.
TEST(ScreenRegistry, EveryRegisteredLookupHasItsList) {
    const ScreenRegistry registry = programScreens();
    const Declarations& d = registry.declarations();
    EXPECT_EQ(d.unchosenLookup(), "");
    for (const TableDef* t : {&Subjekti::table, &Osobe::table, &Vrstedoh::table}) {
        ASSERT_NE(d.chooser(*t), nullptr) << t->name;
        EXPECT_EQ(d.chooser(*t)->table, t);
    }
    Declarations missing;  // a form with such a look-up and no list registered is named
    for (const FormSpec* form : d.forms)
        for (const FieldSpec& f : form->fields)
            if (f.lookup.registered) missing.collect(*form);
    EXPECT_NE(missing.unchosenLookup().find("the look-up Isplatitelj: finds no list registered for SUBJEKTI"), std::string::npos);
}

// The window shows each place's commands in the order they are registered, whichever subsystem
// registers them.
TEST(ScreenRegistry, PaymentsWindowCommandsStandInTheirPlacesAndOrder) {
    const struct {
        const char* text;
        CommandPlace place;
    } expected[] = {
        {"Duplikat(Ctrl2)", CommandPlace::Row}, {"ISPIS OBRAČUNA (F11)", CommandPlace::Row},
        {"ISPIS OBRAČUNA DOHOTKA (F12)", CommandPlace::Row}, {"RSm - A", CommandPlace::Menu},
        {"RSm - B", CommandPlace::Menu}, {"IDD", CommandPlace::Menu}, {"ID-1", CommandPlace::Menu},
        {"JOP - A", CommandPlace::Jop}, {"JOP kreiranje", CommandPlace::Jop}, {"JOP - B", CommandPlace::Jop},
        {"HUB3", CommandPlace::Orders}, {"HUB3A", CommandPlace::Orders},
    };
    const ScreenRegistry registry = programScreens();
    const std::vector<DocumentCommand>& commands = registry.commands();
    ASSERT_EQ(commands.size(), std::size(expected));
    for (std::size_t i = 0; i < commands.size(); ++i) {
        EXPECT_EQ(commands[i].text.toStdString(), expected[i].text);
        EXPECT_EQ(commands[i].place, expected[i].place) << expected[i].text;
        EXPECT_TRUE(commands[i].run) << expected[i].text;
    }
}

}  // namespace
}  // namespace pramo
