#include "registers/ui/screens.h"

#include "registers/ui/register_lists.h"
#include "shell/screen_registry.h"

namespace pramo {

void registerRegistersScreens(ScreenRegistry& registry) {
    registry.add(MenuCommand::Opcine, opcineList);
    registry.add(MenuCommand::StopeOpcina, stopeOpcinaList);
    registry.add(MenuCommand::Mjesta, mjestaList);
    registry.add(MenuCommand::Ulice, uliceList);
    registry.add(MenuCommand::Banke, bankeList);
    registry.add(MenuCommand::Isplatitelji, subjektiList);
    registry.add(MenuCommand::Primatelji, osobeList);
}

}  // namespace pramo
