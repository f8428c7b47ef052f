#pragma once
// Drawing pages: one painter for every device (screen, printer, PDF, SVG), and the files a page
// list is written to.

#include <QRectF>
#include <QString>
#include <vector>

#include "preview/page.h"
#include "records/store/atomic_file.h"

class QPainter;
class QPageLayout;
class QPagedPaintDevice;

namespace pramo {

// Draws `page` filling `target` (device coordinates of the painter; the page's aspect ratio is
// the caller's concern). The painter's state is restored afterwards.
void paintPage(QPainter& painter, const Page& page, const QRectF& target);

// Draws `page` at its real size on a device whose origin is the paper's corner.
void paintPageFullSize(QPainter& painter, const Page& page);

// The page layout a printer or PDF writer needs for the page: its paper, orientation, no margins.
QPageLayout pageLayoutOf(const Page& page);

// Paints the pages on a paged device (a PDF writer, a printer), each in its own paper and
// orientation where the device takes it; false when there is no page or the device refuses to
// begin, to turn a page or to finish.
bool paintPages(QPagedPaintDevice& device, const std::vector<const Page*>& pages);

// Writes the pages into one PDF file, or one page as an SVG drawing, through writeFileAtomically:
// nothing when the file is in place, else why not (and the target is left as it was).
WriteOutcome writePdf(const std::vector<const Page*>& pages, const QString& path, const QString& title = {});
WriteOutcome writePdf(const std::vector<Page>& pages, const QString& path, const QString& title = {});
WriteOutcome writeSvg(const Page& page, const QString& path, const QString& title = {});

}  // namespace pramo
