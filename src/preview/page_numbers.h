#pragma once
// Page numbering of a finished page list. Report bands print the placeholder
// "Page xxxxx of xxxxx" where the number belongs; before the pages are shown or printed the first
// placeholder of each page becomes "Page 3 of 12", centred in the placeholder's 19 characters so
// that nothing around it moves.

#include <QString>
#include <vector>

#include "preview/page.h"

namespace pramo {

inline const QString pageNumberPlaceholder = QStringLiteral("Page xxxxx of xxxxx");

// "Page n of count" centred in 19 characters.
QString pageNumberText(int n, int count);

// Numbers every page of the list by its position. Pages without a placeholder are left alone.
void numberPages(std::vector<Page>& pages);

}  // namespace pramo
