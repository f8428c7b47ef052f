#pragma once
// What the previews ask of the desktop: a file name to save into, a printer, message boxes. The
// program answers with the platform's dialogs; tests answer from a script.

#include <QString>

#include "records/store/warnings.h"

class QPrinter;
class QWidget;

namespace pramo {

class PreviewHost {
public:
    explicit PreviewHost(Messages& messages) : messages_(messages) {}
    virtual ~PreviewHost() = default;
    PreviewHost(const PreviewHost&) = delete;
    PreviewHost& operator=(const PreviewHost&) = delete;

    Messages& messages() { return messages_; }

    // The file dialog for saving: `filters` as Qt writes them ("Text File (*.TXT);;All Files (*)").
    // Empty when the user cancelled.
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& filters,
                                 const QString& suggested);
    // The platform's printer dialog; false when the user cancelled.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer);

private:
    Messages& messages_;
};

}  // namespace pramo
