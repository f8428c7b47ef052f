#pragma once
// The screens of the annual and periodic reports, registered for the menu (called from
// app/register_screens.cpp).

namespace pramo {

class ScreenRegistry;

void registerReportsScreens(ScreenRegistry& registry);

}  // namespace pramo
