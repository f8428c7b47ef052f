#pragma once
// What both previews compute without drawing: the zoom choices, the thumbnail grid and moving
// through the pages by it.

#include <QRect>
#include <QSize>
#include <QString>
#include <array>
#include <vector>

#include "preview/page_list.h"

namespace pramo {

enum class Zoom { NoZoom, PageWidth, Percent50, Percent75, Percent100, Percent200, Percent300 };

struct ZoomEntry {
    Zoom zoom;
    QString listText;  // as the full preview's zoom list shows it
    double factor;     // of the page's real size; 0 for the grid and page width
};

// In the order the zoom list shows them.
const std::array<ZoomEntry, 7>& zoomEntries();
const ZoomEntry& zoomEntry(Zoom zoom);

// Screen pixels per millimetre of a page shown zoomed: the factor times the real size on a
// screen of `dpi`; for page width, the preview area's width over the page's.
double zoomScale(Zoom zoom, double areaWidthPx, double pageWidthMm, double dpi);

// The thumbnails of A pages across and D down in an area: each (width - (3A - 1)) / A wide and
// (height - 18 - (3D - 1)) / D high in whole pixels, then narrowed or shortened to the page's
// aspect (height / width); placed row by row from (1, 1) with 3 pixels between them.
struct ThumbnailGrid {
    QSize thumbnail;
    std::vector<QRect> cells;  // row by row; cell i shows the page i after the current one
};
ThumbnailGrid thumbnailGrid(QSize area, int across, int down, double aspect);

// Pages shown at once: the grid's when it is shown, else one.
int pagesShown(Zoom zoom, int across, int down);

// What a preview shows: the current page (the grid's first), the zoom and the thumbnail grid.
struct PreviewState {
    int current = 1;
    Zoom zoom = Zoom::NoZoom;
    int across = 1;
    int down = 1;
    int shown() const { return pagesShown(zoom, across, down); }
};

// Moving by what is shown: forward only when that many further pages exist, back down to page 1.
int nextPage(int current, int count, int shown);
int previousPage(int current, int shown);

// Deletes the current page and answers the page that becomes current: the one before it, or
// page 1 when page 1 was deleted.
int deleteCurrentPage(PageList& pages, int current);

}  // namespace pramo
