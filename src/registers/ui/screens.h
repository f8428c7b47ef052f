#pragma once
// The screens of the registers, registered for the menu (called from app/register_screens.cpp).

namespace pramo {

class ScreenRegistry;

void registerRegistersScreens(ScreenRegistry& registry);
// What the main window offers while new books lack municipalities, income types or a payer.
void registerFirstRunSteps(ScreenRegistry& registry);

}  // namespace pramo
