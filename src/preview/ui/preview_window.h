#pragma once
// What the two previews share: the pages, the page area, the current page, the zoom and the
// thumbnail grid, moving through the pages and the status bar. Each preview adds its own menus
// and buttons and keeps them up to date in updateControls().

#include <QDialog>

#include "preview/page_list.h"
#include "preview/preview_layout.h"

class QStatusBar;
class QVBoxLayout;

namespace pramo {

class PreviewArea;
class PreviewHost;

class PreviewWindow : public QDialog {
    Q_OBJECT

public:
    PreviewWindow(PageList pages, PreviewHost& host, QWidget* parent);

    const PageList& pages() const { return pages_; }
    int current() const { return current_; }
    Zoom zoom() const { return zoom_; }
    int across() const { return across_; }
    int down() const { return down_; }
    int shown() const { return pagesShown(zoom_, across_, down_); }
    PreviewArea* view() const { return view_; }
    QStatusBar* statusBar() const { return status_; }

    void next();
    void previous();
    void setCurrent(int page);
    void setZoom(Zoom zoom);
    void setGrid(int across, int down);
    // Asks for a file name and writes every page there as PDF.
    void saveAsPdf();

protected:
    bool event(QEvent* event) override;
    // Brings the window's controls in line with the state.
    virtual void updateControls() = 0;
    void refresh();
    // The window's own controls go above the page area.
    QVBoxLayout* layout() const { return layout_; }
    PageList& pageList() { return pages_; }
    PreviewHost& host() { return host_; }

private:
    PageList pages_;
    PreviewHost& host_;
    QVBoxLayout* layout_;
    PreviewArea* view_;
    QStatusBar* status_;
    int current_ = 1;
    Zoom zoom_ = Zoom::NoZoom;
    int across_ = 1;
    int down_ = 1;
};

}  // namespace pramo
