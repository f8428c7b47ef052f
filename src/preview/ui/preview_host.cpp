#include "preview/ui/preview_host.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace pramo {

QString PreviewHost::saveFileName(QWidget* parent, const QString& caption, const QString& filters,
                                  const QString& suggested) {
    return QFileDialog::getSaveFileName(parent, caption, suggested, filters);
}

bool PreviewHost::choosePrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace pramo
