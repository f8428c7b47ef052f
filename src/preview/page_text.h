#pragma once
// A page as lines of text, for saving pages into a text file: the page is laid on a grid of 150
// lines by 200 columns, each text run is written at the cell its position falls in (later runs
// overwrite earlier ones), and blank lines are dropped.

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "preview/page.h"
#include "records/store/atomic_file.h"

namespace pramo {

inline constexpr int textPageLines = 150;
inline constexpr int textPageColumns = 200;

// The page's non-blank lines, each exactly 200 characters wide.
QStringList pageAsText(const Page& page);

// Writes the pages' lines into a new file (replacing an old one), one line per page line, UTF-8,
// through writeFileAtomically: nothing when the file is in place, else why not.
WriteOutcome writePagesAsText(const std::vector<const Page*>& pages, const QString& path);

// Writes lines of text (UTF-8) into a new file the same way, one line each.
WriteOutcome writeLinesAsText(const std::vector<std::string>& lines, const QString& path);

}  // namespace pramo
