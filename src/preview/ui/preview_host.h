#pragma once
// What the previews ask of the desktop: a file name to save into, a printer, message boxes. The
// program answers with its dialogs; tests answer from a script.

#include <QString>
#include <string>

#include "shell/messages.h"

class QPrinter;
class QWidget;

namespace pramo {

class PreviewHost {
public:
    // Documents named without a folder go to the documents folder of `dataDir`; with no data
    // directory they are left to the current folder.
    explicit PreviewHost(Messages& messages, std::string dataDir = {}) : messages_(messages), dataDir_(std::move(dataDir)) {}
    virtual ~PreviewHost() = default;
    PreviewHost(const PreviewHost&) = delete;
    PreviewHost& operator=(const PreviewHost&) = delete;

    Messages& messages() { return messages_; }

    // The file dialog for saving: `filters` as Qt writes them ("Text File (*.TXT);;All Files (*)").
    // A suggested name without a folder is offered in the documents folder. Empty when the user
    // cancelled.
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& filters,
                                 const QString& suggested);
    // Where a document of this name is written: a name without a folder goes to the documents
    // folder (made when missing).
    QString documentPath(const QString& name) const;
    // The platform's printer dialog; false when the user cancelled.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer);

private:
    Messages& messages_;
    std::string dataDir_;
};

}  // namespace pramo
