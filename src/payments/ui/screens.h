#pragma once
// The screens of payments, registered for the menu (called from app/register_screens.cpp).

namespace pramo {

class ScreenRegistry;

void registerPaymentsScreens(ScreenRegistry& registry);

}  // namespace pramo
