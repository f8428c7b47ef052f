#pragma once
// The screens of printing, registered for the menu (called from app/register_screens.cpp).

namespace pramo {

class ScreenRegistry;

void registerPreviewScreens(ScreenRegistry& registry);

}  // namespace pramo
