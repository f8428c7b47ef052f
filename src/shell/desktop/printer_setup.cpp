#include "shell/desktop/printer_setup.h"

#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

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
    // Only the printer and its properties are chosen here; what to print is chosen when printing.
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Print Setup"));
    dialog.setOptions({});
    if (auto* box = dialog.findChild<QDialogButtonBox*>(); box && box->button(QDialogButtonBox::Ok))
        box->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    dialog.exec();
}

}  // namespace pramo
