#pragma once
// The simple preview ("Preview ispisa"): the pages as thumbnails or zoomed, and the choice to
// print them all or not. The report that opened it prints or discards its pages by the answer.

#include <map>

#include "preview/ui/preview_window.h"
#include "shell/globals.h"

class QAction;
class QActionGroup;
class QSpinBox;
class QToolBar;
class QToolButton;

namespace pramo {

class SimplePreview : public PreviewWindow {
    Q_OBJECT

public:
    SimplePreview(PageList pages, PreviewHost& host, QWidget* parent = nullptr);

    // Completed when the user chose to print, Cancelled otherwise.
    Response response() const { return printChosen_ ? Response::Completed : Response::Cancelled; }

    QSpinBox* pageEntry() const { return page_; }
    QSpinBox* acrossEntry() const { return across_; }
    QSpinBox* downEntry() const { return down_; }

protected:
    void updateControls() override;

private:
    void buildMenus();
    void buildToolBar();
    QToolButton* zoomButton(QWidget* parent);
    void addEntries(QToolBar* bar);
    QAction* action(const QString& text, const QString& tip, const QString& name);
    void addZoomChoices(QActionGroup* group, const std::vector<QString>& texts, std::map<Zoom, QAction*>& byZoom);
    void jump();
    void changeDisplay();
    void print();

    QSpinBox* page_ = nullptr;
    QSpinBox* across_ = nullptr;
    QSpinBox* down_ = nullptr;
    std::map<Zoom, QAction*> menuZoom_;
    std::map<Zoom, QAction*> popupZoom_;
    bool printChosen_ = false;
};

}  // namespace pramo
