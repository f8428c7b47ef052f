#pragma once
// The program's file and printer dialogs. Nothing but SQLite may open the database files in this
// process: closing any other descriptor of pramo.db, its -wal or its -shm drops every POSIX lock
// SQLite holds on it for the process, and another program may then take itself for the last user
// and delete the WAL under the running program. Qt's dialogs read the files of the folders they
// list (to choose icons and to name file types from the content), so every dialog that lists
// folders is made here, where icons and types come from names alone and the database files are
// not listed. This is the only file that may use Qt's file dialogs, file-system models and file
// type detection.

#include <QString>
#include <string>

class QPrinter;
class QWidget;

namespace pramo {

// The folder documents are offered: "Dokumenti" in the data directory, made when missing (the
// data directory itself when it cannot be made).
QString documentsFolder(const std::string& dataDir);

// The dialog for saving a file, opened where `suggested` points (a relative name is offered in
// the current folder). Empty when the user cancelled. `filters` as Qt writes them
// ("Text File (*.TXT);;All Files (*)").
QString askSaveFileName(QWidget* parent, const QString& caption, const QString& filters, const QString& suggested);

// The dialog for choosing a folder, opened at `start`. Empty when the user cancelled.
QString askDirectory(QWidget* parent, const QString& caption, const QString& start);

// What the printer dialog is asked for.
enum class PrinterDialog {
    ChoosePrinter,  // a printer for pages about to be printed; printing into a file is not offered
    PrintSetup,     // "Print Setup": only the printer and its properties (what to print is chosen when printing)
};

// The platform's printer dialog, its output-file entry kept from reading files. False when the
// user cancelled.
bool askPrinter(QPrinter& printer, PrinterDialog use, QWidget* parent);

}  // namespace pramo
