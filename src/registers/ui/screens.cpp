#include "registers/ui/screens.h"

#include "registers/ui/payee_selection.h"
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
    registry.chooser(subjektiList);       // a return's or an ID-1 form's payer
    registry.chooser(odabirOsobeZaDoh);   // an income item's payee
}

}  // namespace pramo
