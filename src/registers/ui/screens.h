#pragma once
// The screens of the registers, registered for the menu (called from app/register_screens.cpp).

namespace pramo {

class ScreenRegistry;

void registerRegistersScreens(ScreenRegistry& registry);

}  // namespace pramo
