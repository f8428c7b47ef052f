#pragma once
// Printing a payment's orders from the payments list's buttons "HUB3" (tool tip "Dugme za ispis
// naloga za plaćanje (HUB1)") and "HUB3A" ("Dugme za ispis naloga za plaćanje (HUB1-1)"). Each runs
// its report with the progress window and shows the pages in its preview (HUB-3 the simple one,
// HUB-3A the full one), from which the user prints. HUB-3 forms go to the printer kind chosen under
// "Vrsta pisača" (a matrix printer's paper moved by the offsets of the printer-parameter record the
// group "Podešenost matričnog pisača" shows); HUB-3A forms, with the 2D code, to a laser printer:
// the button first sets "Vrsta pisača" to "Laserski".

namespace pramo {

class ScreenRegistry;

// The two buttons in the payments window (called from app/register_screens.cpp).
void registerOrdersScreens(ScreenRegistry& registry);

}  // namespace pramo
