#pragma once
// The screens the menu and toolbar start. A screen built by a later piece of work is added in
// registerScreens(); until then its menu item stays disabled.

#include <QWidget>
#include <functional>
#include <map>

#include "shell/app_context.h"

namespace pramo {

enum class MenuCommand {
    VrsteDohotka, NeoporeziviPrimici, PregledOznakaPrimitaka, Printer,
    Opcine, Mjesta, Ulice, Banke, Isplatitelji, Primatelji,
    JopObrasci, Isplate, Potvrde, Id1Obrasci, KrizniPorez,
};

// Builds the window of a list started from the menu (a plain list, no request). The frame puts it
// in a child window; the screen ends by closing its widget (QWidget::close()), which closes the
// child window too.
using ScreenFactory = std::function<QWidget*(AppContext&)>;

class ScreenRegistry {
public:
    void add(MenuCommand command, ScreenFactory factory) { factories_[command] = std::move(factory); }
    const ScreenFactory* find(MenuCommand command) const {
        const auto it = factories_.find(command);
        return it == factories_.end() ? nullptr : &it->second;
    }

private:
    std::map<MenuCommand, ScreenFactory> factories_;
};

// Every screen that exists, by its menu command (one line per screen, in shell/screens.cpp).
void registerScreens(ScreenRegistry& registry);

}  // namespace pramo
