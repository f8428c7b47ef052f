#pragma once
// The page area of both previews: a grid of thumbnails starting at the current page, or the
// current page alone at a zoom, scrollable.

#include <QScrollArea>

#include "preview/page_list.h"
#include "preview/preview_layout.h"

namespace pramo {

class PreviewArea : public QScrollArea {
    Q_OBJECT

public:
    explicit PreviewArea(const PageList& pages, QWidget* parent = nullptr);

    // What to show; the view repaints.
    void display(int current, Zoom zoom, int across, int down);

    int current() const { return current_; }
    Zoom zoom() const { return zoom_; }
    // The thumbnails as placed in the area now.
    ThumbnailGrid grid() const;
    // Height over width of the pages, from the first page.
    double aspect() const;

signals:
    void thumbnailClicked(int page);
    void zoomedPageClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class PreviewCanvas;
    void paintCanvas(QPainter& painter) const;
    void clickAt(QPoint pos);
    void layoutCanvas();
    double scale() const;

    const PageList& pages_;
    QWidget* canvas_;
    int current_ = 1;
    Zoom zoom_ = Zoom::NoZoom;
    int across_ = 1;
    int down_ = 1;
};

}  // namespace pramo
