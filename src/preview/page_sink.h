#pragma once
// Where a report's pages go as they are finished, for an output that need not keep them (a PDF
// file, a printer): each page is handed on once, painted, and dropped, so the memory a report
// takes does not grow with its pages. Only pages that do not depend on later ones (no page count
// in their footer) go into a sink as they are made; the others are kept until the last is made.

#include <functional>

#include "preview/page.h"

namespace pramo {

using PageSink = std::function<void(const Page& page)>;

}  // namespace pramo
