#include "preview/ui/preview_area.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include "preview/page_painter.h"

namespace pramo {

namespace {
constexpr int zoomMargin = 8;  // around the zoomed page
const QColor background(128, 128, 128);
}  // namespace

class PreviewCanvas : public QWidget {
public:
    explicit PreviewCanvas(PreviewArea* view) : QWidget(view), view_(view) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        view_->paintCanvas(painter);
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) view_->clickAt(event->position().toPoint());
    }

private:
    PreviewArea* view_;
};

PreviewArea::PreviewArea(const PageList& pages, QWidget* parent) : QScrollArea(parent), pages_(pages), canvas_(new PreviewCanvas(this)) {
    setWidget(canvas_);
    setAlignment(Qt::AlignCenter);
    setBackgroundRole(QPalette::Dark);
    horizontalScrollBar()->setSingleStep(52);
    verticalScrollBar()->setSingleStep(51);
    setFocusPolicy(Qt::StrongFocus);
    layoutCanvas();
}

void PreviewArea::display(const PreviewState& state) {
    state_ = state;
    layoutCanvas();
    canvas_->update();
}

double PreviewArea::aspect() const {
    if (pages_.empty()) return 297.0 / 210.0;
    const QSizeF size = pages_.page(1).size();
    return size.height() / size.width();
}

ThumbnailGrid PreviewArea::grid() const {
    return thumbnailGrid(viewport()->size(), state_.across, state_.down, aspect());
}

std::vector<std::pair<int, QRect>> PreviewArea::thumbnails() const {
    std::vector<std::pair<int, QRect>> shown;
    const ThumbnailGrid g = grid();
    for (std::size_t i = 0; i < g.cells.size() && state_.current + static_cast<int>(i) <= pages_.count(); ++i)
        shown.emplace_back(state_.current + static_cast<int>(i), g.cells[i]);
    return shown;
}

double PreviewArea::scale() const {
    const double pageWidth = pages_.empty() ? 210.0 : pages_.page(state_.current).size().width();
    const double area = viewport()->width() - 2 * zoomMargin - verticalScrollBar()->sizeHint().width();
    return zoomScale(state_.zoom, area, pageWidth, logicalDpiX());
}

void PreviewArea::layoutCanvas() {
    if (state_.zoom == Zoom::NoZoom || pages_.empty()) {
        setWidgetResizable(true);
        return;
    }
    setWidgetResizable(false);
    const QSizeF size = pages_.page(state_.current).size() * scale();
    canvas_->resize(qRound(size.width()) + 2 * zoomMargin, qRound(size.height()) + 2 * zoomMargin);
}

void PreviewArea::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    layoutCanvas();
}

void PreviewArea::paintCanvas(QPainter& painter) const {
    painter.fillRect(canvas_->rect(), background);
    if (pages_.empty()) return;
    if (state_.zoom != Zoom::NoZoom) {
        const QRectF target(zoomMargin, zoomMargin, canvas_->width() - 2 * zoomMargin, canvas_->height() - 2 * zoomMargin);
        painter.fillRect(target, Qt::white);
        paintPage(painter, pages_.page(state_.current), target);
        return;
    }
    for (const auto& [n, cell] : thumbnails()) {
        painter.fillRect(cell, Qt::white);
        paintPage(painter, pages_.page(n), cell);
        painter.setPen(QPen(Qt::white, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(cell.adjusted(-1, -1, 0, 0));  // the white frame
    }
}

void PreviewArea::clickAt(QPoint pos) {
    if (state_.zoom != Zoom::NoZoom) {
        emit zoomedPageClicked();
        return;
    }
    for (const auto& [n, cell] : thumbnails())
        if (cell.contains(pos)) emit thumbnailClicked(n);
}

}  // namespace pramo
