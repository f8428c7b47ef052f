#pragma once
// The page area of both previews: a grid of thumbnails starting at the current page, or the
// current page alone at a zoom, scrollable.

#include <QScrollArea>
#include <utility>
#include <vector>

#include "preview/page_list.h"
#include "preview/preview_layout.h"

namespace pramo {

class PreviewArea : public QScrollArea {
    Q_OBJECT

public:
    explicit PreviewArea(const PageList& pages, QWidget* parent = nullptr);

    // What to show; the view repaints.
    void display(const PreviewState& state);
    const PreviewState& state() const { return state_; }
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
    // The pages the grid shows, each with its cell.
    std::vector<std::pair<int, QRect>> thumbnails() const;

    const PageList& pages_;
    QWidget* canvas_;
    PreviewState state_;
};

}  // namespace pramo
