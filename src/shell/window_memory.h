#pragma once
// Where a screen's window was, its size and the widths of its columns, kept per screen between
// runs in the user's settings (QSettings). A window without a remembered place opens at the size
// it prefers (wide enough for its columns), no larger than the space it opens in.

#include <QSize>
#include <QString>
#include <vector>

class QWidget;

namespace pramo {

// The key a list's window or columns are remembered under: "Liste/PARAM Podešavanje ...".
QString memoryKey(const char* group, const struct ListSpec& spec);

// Places `work` (a screen's MDI child window or its own top-level window) as remembered under
// `key`, or else at `preferred` size.
void restoreWindow(QWidget* work, const QString& key, QSize preferred);
void saveWindow(const QWidget* work, const QString& key);

// The column widths remembered under `key` (empty when none).
std::vector<int> rememberedColumns(const QString& key);
void rememberColumns(const QString& key, const std::vector<int>& widths);

}  // namespace pramo
