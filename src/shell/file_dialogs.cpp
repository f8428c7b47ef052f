#include "shell/file_dialogs.h"

#include <QAbstractFileIconProvider>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QPrintDialog>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStyle>

namespace pramo {
namespace {

const QString documentsFolderName = QStringLiteral("Dokumenti");

// Icons and type names from the file's name and kind: the file itself is never opened.
class NameOnlyIcons : public QAbstractFileIconProvider {
public:
    QIcon icon(const QFileInfo& info) const override {
        return QApplication::style()->standardIcon(info.isDir() ? QStyle::SP_DirIcon : QStyle::SP_FileIcon);
    }
    using QAbstractFileIconProvider::icon;
    QString type(const QFileInfo& info) const override {
        if (info.isDir()) return QStringLiteral("Mapa");
        const QString suffix = info.suffix();
        return suffix.isEmpty() ? QStringLiteral("Datoteka") : suffix.toUpper() + QStringLiteral(" datoteka");
    }
};

NameOnlyIcons& nameOnlyIcons() {
    static NameOnlyIcons provider;
    return provider;
}

// A database and its companions by name: never offered for a document.
bool looksLikeDatabaseFile(const QString& name) {
    static const QString endings[] = {QStringLiteral(".db"), QStringLiteral("-wal"), QStringLiteral("-shm"),
                                      QStringLiteral("-journal")};
    for (const QString& end : endings)
        if (name.endsWith(end, Qt::CaseInsensitive)) return true;
    return false;
}

class HideDatabaseFiles : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (!files) return true;
        const QModelIndex index = files->index(row, 0, parent);
        return files->isDir(index) || !looksLikeDatabaseFile(files->fileName(index));
    }
};

// Every folder list inside `dialog` (Qt's dialogs keep theirs as children) names files by their
// names only. Set before the dialog's event loop runs, so no listing is taken with Qt's own
// provider.
void keepFilesUnread(QWidget& dialog) {
    for (QFileSystemModel* model : dialog.findChildren<QFileSystemModel*>()) model->setIconProvider(&nameOnlyIcons());
}

// Qt's own dialog, its lists kept from reading files and from showing the database files.
void makeSafe(QFileDialog& dialog) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setIconProvider(&nameOnlyIcons());
    keepFilesUnread(dialog);
    dialog.setProxyModel(new HideDatabaseFiles(&dialog));
}

QString chosen(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace

QString documentsFolder(const std::string& dataDir) {
    QDir data(QString::fromStdString(dataDir.empty() ? std::string(".") : dataDir));
    if (!data.exists(documentsFolderName) && !data.mkdir(documentsFolderName)) return data.absolutePath();
    return data.absoluteFilePath(documentsFolderName);
}

QString askSaveFileName(QWidget* parent, const QString& caption, const QString& filters, const QString& suggested) {
    QFileDialog dialog(parent, caption, suggested, filters);
    makeSafe(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    return chosen(dialog);
}

QString askDirectory(QWidget* parent, const QString& caption, const QString& start) {
    QFileDialog dialog(parent, caption, start);
    makeSafe(dialog);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    return chosen(dialog);
}

bool askPrinter(QPrinter& printer, PrinterDialog use, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    keepFilesUnread(dialog);
    if (use == PrinterDialog::ChoosePrinter) {
        dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    } else {
        dialog.setWindowTitle(QStringLiteral("Print Setup"));
        dialog.setOptions({});
        if (auto* box = dialog.findChild<QDialogButtonBox*>(); box && box->button(QDialogButtonBox::Ok))
            box->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    }
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace pramo
