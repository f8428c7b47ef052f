#pragma once
// Print Setup: the platform's dialog choosing the printer (and its paper) that later printouts use.

#include "shell/messages.h"

class QPrinter;
class QWidget;

namespace pramo {

// Whether the computer has a printer to choose at all.
bool anyPrinterInstalled();

// Shows the printer set-up dialog for `printer`; without any printer installed says so instead.
void printSetup(QPrinter& printer, Messages& messages, QWidget* parent);

}  // namespace pramo
