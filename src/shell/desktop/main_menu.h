#pragma once
// The frame's menu bar and toolbar as data: every item in order with its status text and the
// command it gives. The frame builds its menus and buttons from these tables.

#include <variant>
#include <vector>

#include "shell/screen_registry.h"

namespace pramo {

// Commands the frame carries out itself; the other commands start a screen.
enum class FrameCommand { PrintSetup, Reinitialise, Exit, Cut, Copy, Paste, About };

using Command = std::variant<FrameCommand, MenuCommand>;

struct MenuItemDef {
    const char* text;
    const char* status;  // shown in the status bar while the item is highlighted; may be empty
    Command command;
};

struct MenuDef {
    const char* title;
    std::vector<MenuItemDef> items;
};

struct ToolButtonDef {
    const char* text;
    const char* tip;  // may be empty: the button has no tool tip
    MenuCommand command;
};

const std::vector<MenuDef>& menuBarDef();
const std::vector<ToolButtonDef>& toolBarDef();

}  // namespace pramo
