#pragma once
// Where a report's pages go as they are finished, for an output that need not keep them (a PDF
// file, a printer): each page is handed on once, painted, and dropped, so the memory a report
// takes does not grow with its pages. Only a report whose pages do not depend on later ones (no
// "page X of Y") makes its pages into a sink; the others keep them until the last is made.

#include <functional>

#include "preview/page.h"

namespace pramo {

using PageSink = std::function<void(const Page& page)>;

}  // namespace pramo
