#pragma once
// The screens of the annual and periodic reports, registered for the menu, and their document
// commands in the payments window (called from app/register_screens.cpp).

namespace pramo {

class ScreenRegistry;

void registerReportsScreens(ScreenRegistry& registry);

}  // namespace pramo
