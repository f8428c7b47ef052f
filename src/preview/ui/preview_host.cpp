#include "preview/ui/preview_host.h"

#include <QDir>

#include "shell/file_dialogs.h"

namespace pramo {

QString PreviewHost::saveFileName(QWidget* parent, const QString& caption, const QString& filters,
                                  const QString& suggested) {
    return askSaveFileName(parent, caption, filters, documentPath(suggested));
}

QString PreviewHost::documentPath(const QString& name) const {
    if (dataDir_.empty() || name.isEmpty() || !QDir::isRelativePath(name)) return name;
    return QDir(documentsFolder(dataDir_)).filePath(name);
}

bool PreviewHost::choosePrinter(QWidget* parent, QPrinter& printer) {
    return askPrinter(printer, PrinterDialog::ChoosePrinter, parent);
}

}  // namespace pramo
