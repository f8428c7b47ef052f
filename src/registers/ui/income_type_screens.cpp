#include "registers/ui/income_type_screens.h"

#include "registers/ui/code_books.h"
#include "registers/ui/income_types.h"
#include "shell/screen_registry.h"

namespace pramo {

void registerIncomeTypeScreens(ScreenRegistry& registry) {
    registry.add(MenuCommand::VrsteDohotka, vrsteDohotka);
    registry.chooser(vrsteDohotka);  // an income item's type
    registry.add(MenuCommand::NeoporeziviPrimici, neoporeziviPrimiciPregled);
    registry.add(MenuCommand::PregledOznakaPrimitaka, pregledVelikogBrata);
}

}  // namespace pramo
