#pragma once
// Sending pages to a printer, and the files the previews save.

#include <QString>
#include <vector>

#include "preview/page.h"
#include "records/store/atomic_file.h"

class QWidget;

namespace pramo {

class PreviewHost;

// Prints the pages as one job on the named printer (the default one when empty). When no
// printer can start the job (none is installed), the user is told so and offered to save the
// pages as PDF instead. True when the pages were printed or saved.
bool printPages(const std::vector<const Page*>& pages, const QString& printerName, const QString& jobName,
                PreviewHost& host, QWidget* parent);

// Asks for a PDF file name and writes the pages there; a failure is told to the user.
bool savePagesAsPdf(const std::vector<const Page*>& pages, const QString& title, PreviewHost& host, QWidget* parent);

// Tells the user that a file could not be written, and why.
void tellNotSaved(PreviewHost& host, const FileProblem& problem);

}  // namespace pramo
