#pragma once
// The screens the menu and toolbar start, and every list and form declaration of the program.
//
// Each subsystem registers its own screens in one function in its ui/ folder, called from
// app/register_screens.cpp (shell/ never includes a subsystem). A menu item is enabled exactly
// when a screen is registered for its command. For a declared list that is one line:
//
//   // registers/ui/register_screens.cpp
//   void registerRegistersScreens(ScreenRegistry& registry) {
//       registry.add(MenuCommand::Mjesta, mjestaList);        // the list, its form, look-ups, linked lists
//       registry.add(MenuCommand::Isplate, openPayments,      // a hand-written screen ...
//                    {&isplateList, &dohociList});            // ... and the declarations it runs
//       registry.declare(odabirOpcine);                       // a list only ever chosen from
//   }
//
// Every declaration registered, and every one it leads to, is resolved by one test
// (tests/ui/declarations_test.cpp), so a misspelt field name fails the build's tests, not a click.

#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "shell/app_context.h"
#include "shell/declarations.h"

namespace pramo {

enum class MenuCommand {
    VrsteDohotka, NeoporeziviPrimici, PregledOznakaPrimitaka, Printer,
    Opcine, StopeOpcina, Mjesta, Ulice, Banke, Isplatitelji, Primatelji,
    JopObrasci, Isplate, Potvrde, Id1Obrasci, KrizniPorez,
};

// Builds the window of a screen started from the menu, or answers null when it cannot be opened
// (it has said why). The frame puts it in a child window; the screen ends by closing its widget
// (QWidget::close()), which closes the child window too.
using ScreenFactory = std::function<QWidget*(AppContext&)>;

class ScreenRegistry {
public:
    // The menu command opens the declared list as a plain list.
    void add(MenuCommand command, const ListSpec& list);
    // The menu command opens a hand-written screen, which runs the declarations `uses`.
    void add(MenuCommand command, ScreenFactory factory, const std::vector<const ListSpec*>& uses = {});
    // Declarations no menu command opens directly (lists only chosen from, forms a screen calls).
    void declare(const ListSpec& list);
    void declare(const FormSpec& form);

    const ScreenFactory* find(MenuCommand command) const;
    // Every declaration registered and every one they lead to.
    const Declarations& declarations() const { return declarations_; }
    // Menu commands registered more than once (the first registration stays).
    const std::vector<MenuCommand>& registeredTwice() const { return twice_; }

private:
    std::map<MenuCommand, ScreenFactory> factories_;
    Declarations declarations_;
    std::vector<MenuCommand> twice_;
};

}  // namespace pramo
