#include "preview/preview_layout.h"

#include <algorithm>

namespace pramo {

const std::array<ZoomEntry, 7>& zoomEntries() {
    static const std::array<ZoomEntry, 7> entries{{
        {Zoom::NoZoom, QStringLiteral("No Zoom"), 0.0},
        {Zoom::PageWidth, QStringLiteral("Page Width"), 0.0},
        {Zoom::Percent50, QStringLiteral("Zoom (50%)"), 0.5},
        {Zoom::Percent75, QStringLiteral("Zoom (75%)"), 0.75},
        {Zoom::Percent100, QStringLiteral("Zoom (100%)"), 1.0},
        {Zoom::Percent200, QStringLiteral("Zoom (200%)"), 2.0},
        {Zoom::Percent300, QStringLiteral("Zoom (300%)"), 3.0},
    }};
    return entries;
}

const ZoomEntry& zoomEntry(Zoom zoom) {
    return zoomEntries()[static_cast<std::size_t>(zoom)];
}

double zoomScale(Zoom zoom, double areaWidthPx, double pageWidthMm, double dpi) {
    if (zoom == Zoom::PageWidth || zoom == Zoom::NoZoom) return areaWidthPx / pageWidthMm;
    return zoomEntry(zoom).factor * dpi / 25.4;
}

ThumbnailGrid thumbnailGrid(QSize area, int across, int down, double aspect) {
    int w = std::max(1, (area.width() - (3 * across - 1)) / across);
    int h = std::max(1, (area.height() - 18 - (3 * down - 1)) / down);
    if (aspect > static_cast<double>(h) / w) {
        w = std::max(1, static_cast<int>(h / aspect));
    } else {
        h = std::max(1, static_cast<int>(w * aspect));
    }
    ThumbnailGrid grid{QSize(w, h), {}};
    for (int row = 0; row < down; ++row) {
        for (int col = 0; col < across; ++col) grid.cells.emplace_back(1 + col * (w + 3), 1 + row * (h + 3), w, h);
    }
    return grid;
}

int pagesShown(Zoom zoom, int across, int down) {
    return zoom == Zoom::NoZoom ? across * down : 1;
}

int nextPage(int current, int count, int shown) {
    return current + shown <= count ? current + shown : current;
}

int previousPage(int current, int shown) {
    return std::max(1, current - shown);
}

int deleteCurrentPage(PageList& pages, int current) {
    pages.erase(current);
    return current > 1 ? current - 1 : 1;
}

}  // namespace pramo
