#include "shell/screen_registry.h"

#include "shell/list/list_screen.h"

namespace pramo {

void ScreenRegistry::add(MenuCommand command, const ListSpec& list) {
    add(command, [&list](AppContext& ctx) { return openList(ctx, list); }, {&list});
}

void ScreenRegistry::add(MenuCommand command, ScreenFactory factory, const std::vector<const ListSpec*>& uses) {
    if (!factories_.emplace(command, std::move(factory)).second) twice_.push_back(command);
    for (const ListSpec* list : uses) declare(*list);
}

void ScreenRegistry::declare(const ListSpec& list) { declarations_.collect(list); }
void ScreenRegistry::declare(const FormSpec& form) { declarations_.collect(form); }

const ListSpec* registeredChooser(const AppContext& ctx, const TableDef& table) {
    return ctx.screens ? ctx.screens->declarations().chooser(table) : nullptr;
}

const ScreenFactory* ScreenRegistry::find(MenuCommand command) const {
    const auto it = factories_.find(command);
    return it == factories_.end() ? nullptr : &it->second;
}

}  // namespace pramo
