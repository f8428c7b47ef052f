#pragma once
// How a report hands its finished pages to the user.

#include <QString>
#include <vector>

#include "preview/page.h"

class QWidget;

namespace pramo {

class PreviewHost;

// The simple preview; when the user chooses to print, every page is printed once on the default
// printer. True when the pages were printed (or saved as PDF instead).
bool previewAndPrint(std::vector<Page> pages, const QString& jobName, PreviewHost& host, QWidget* parent);

// The full preview with its own printing and saving. True when the pages were printed.
bool showFullPreview(std::vector<Page> pages, const QString& title, PreviewHost& host, QWidget* parent);

}  // namespace pramo
