#pragma once
// The screens of payments, registered for the menu, and the payments window's command
// "Duplikat" (called from app/register_screens.cpp before the other subsystems add theirs).

namespace pramo {

class ScreenRegistry;

void registerPaymentsScreens(ScreenRegistry& registry);

}  // namespace pramo
