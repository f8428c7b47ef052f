#pragma once
// Drawing pages: one painter for every device (screen, printer, PDF, SVG), and the files a page
// list is written to.

#include <QPainter>
#include <QRectF>
#include <QString>
#include <functional>
#include <vector>

#include "preview/page.h"
#include "preview/page_sink.h"
#include "records/store/atomic_file.h"

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

// Paints pages one after another on a paged device (a PDF writer, a printer), each in its own
// paper and orientation where the device takes it, as they are given: none is kept.
class PagedPainter {
public:
    explicit PagedPainter(QPagedPaintDevice& device) : device_(device) {}
    void paint(const Page& page);
    // Finishes the document: false when there was no page or the device refused to begin, to turn
    // a page or to finish.
    bool end();

private:
    QPagedPaintDevice& device_;
    QPainter painter_;
    int pages_ = 0;
    bool ok_ = true;
};

// The same for pages at hand.
bool paintPages(QPagedPaintDevice& device, const std::vector<const Page*>& pages);

// Makes the pages of a document into the sink it is given; false when they are not all made
// (the document is then not written).
using MakePages = std::function<bool(const PageSink& sink)>;

// Writes the pages into one PDF file, or one page as an SVG drawing, through writeFileAtomically:
// nothing when the file is in place, else why not (and the target is left as it was).
WriteOutcome writePdf(const std::vector<const Page*>& pages, const QString& path, const QString& title = {});
WriteOutcome writePdf(const std::vector<Page>& pages, const QString& path, const QString& title = {});
// The same painting each page into the file as `make` makes it.
WriteOutcome writePdf(const MakePages& make, const QString& path, const QString& title = {});
WriteOutcome writeSvg(const Page& page, const QString& path, const QString& title = {});

}  // namespace pramo
