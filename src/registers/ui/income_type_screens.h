#pragma once
// The income types and the two JOPPD code books, registered for the menu (called from
// app/register_screens.cpp).

namespace pramo {

class ScreenRegistry;

void registerIncomeTypeScreens(ScreenRegistry& registry);

}  // namespace pramo
