#include "shell/desktop/printer_setup.h"

#include <QPrinterInfo>

#include "shell/file_dialogs.h"

namespace pramo {

bool anyPrinterInstalled() { return !QPrinterInfo::availablePrinterNames().isEmpty(); }

void printSetup(QPrinter& printer, Messages& messages, QWidget* parent) {
    if (!anyPrinterInstalled()) {
        MessageBox none;
        none.title = "Print Setup";
        none.text = "Na ovom računalu nije instaliran nijedan pisač. Pisač se može odabrati tek kad se instalira.";
        none.icon = Icon::Information;
        messages.ask(none);
        return;
    }
    askPrinter(printer, PrinterDialog::PrintSetup, parent);
}

}  // namespace pramo
