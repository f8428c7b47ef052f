#include "preview/ui/preview_window.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "preview/ui/preview_area.h"
#include "preview/ui/print_job.h"

namespace pramo {

PreviewWindow::PreviewWindow(PageList pages, PreviewHost& host, QWidget* parent)
    : QDialog(parent), pages_(std::move(pages)), host_(host), layout_(new QVBoxLayout),
      view_(new PreviewArea(pages_, this)), status_(new QStatusBar(this)) {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addLayout(layout_);
    outer->addWidget(view_, 1);
    outer->addWidget(status_);
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize available = screen ? screen->availableSize() : QSize(1024, 768);
    resize(std::min(1000, available.width()), std::min(800, available.height()));
    connect(view_, &PreviewArea::thumbnailClicked, this, [this](int page) {
        current_ = page;
        setZoom(Zoom::PageWidth);
    });
    connect(view_, &PreviewArea::zoomedPageClicked, this, [this] { setZoom(Zoom::NoZoom); });
    view_->setFocus();  // the arrow keys scroll the page
}

void PreviewWindow::next() {
    setCurrent(nextPage(current_, pages_.count(), shown()));
}

void PreviewWindow::previous() {
    setCurrent(previousPage(current_, shown()));
}

void PreviewWindow::setCurrent(int page) {
    current_ = std::clamp(page, 1, std::max(1, pages_.count()));
    refresh();
}

void PreviewWindow::setZoom(Zoom zoom) {
    zoom_ = zoom;
    refresh();
}

void PreviewWindow::setGrid(int across, int down) {
    across_ = std::max(1, across);
    down_ = std::max(1, down);
    refresh();
}

void PreviewWindow::refresh() {
    view_->display(current_, zoom_, across_, down_);
    updateControls();
}

bool PreviewWindow::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        status_->showMessage(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QDialog::event(event);
}

void PreviewWindow::saveAsPdf() {
    std::vector<const Page*> all;
    for (const Page& p : pages_.pages()) all.push_back(&p);
    savePagesAsPdf(all, windowTitle(), host_, this);
}

}  // namespace pramo
