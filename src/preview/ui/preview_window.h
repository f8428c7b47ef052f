#pragma once
// What the two previews share: the pages, the page area, the current page, the zoom and the
// thumbnail grid, moving through the pages and the status bar. Each preview adds its own menus
// and buttons and keeps them up to date in updateControls().

#include <QDialog>

#include "preview/page_list.h"
#include "preview/preview_layout.h"

class QKeySequence;
class QStatusBar;
class QToolBar;
class QVBoxLayout;

namespace pramo {

class PreviewArea;
class PreviewHost;
struct DisplayTexts;
struct JumpTexts;

class PreviewWindow : public QDialog {
    Q_OBJECT

public:
    PreviewWindow(PageList pages, PreviewHost& host, QWidget* parent);

    const PageList& pages() const { return pages_; }
    int current() const { return state().current; }
    Zoom zoom() const { return state().zoom; }
    int across() const { return state().across; }
    int down() const { return state().down; }
    int shown() const { return state().shown(); }
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
    // Asks for a page to go to, or for the thumbnail grid, in the preview's own words.
    void askForPage(const JumpTexts& texts);
    void askForGrid(const DisplayTexts& texts);
    // Every command of `bar` takes the focus with Tab, and its tool tip ends with its key.
    static void reachByKeyboard(QToolBar& bar);
    // A command's tool tip followed by its key: "Ispiši report (Ctrl+P)".
    static QString tipWithKey(const QString& tip, const QKeySequence& key);
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

    const PreviewState& state() const;
    void display(const PreviewState& state);  // the page area shows it, the controls follow
};

}  // namespace pramo
