#include "preview/ui/preview_window.h"

#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

#include "preview/ui/preview_area.h"
#include "preview/ui/preview_dialogs.h"
#include "preview/ui/print_job.h"
#include "shell/screen_fit.h"

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
    resize(1000, 800);
    fitOnScreen(*this);
    connect(view_, &PreviewArea::thumbnailClicked, this, [this](int page) {
        PreviewState s = state();
        s.current = page;
        s.zoom = Zoom::PageWidth;
        display(s);
    });
    connect(view_, &PreviewArea::zoomedPageClicked, this, [this] { setZoom(Zoom::NoZoom); });
    view_->setFocus();  // the arrow keys scroll the page
}

const PreviewState& PreviewWindow::state() const { return view_->state(); }

void PreviewWindow::display(const PreviewState& state) {
    view_->display(state);
    updateControls();
}

void PreviewWindow::next() {
    setCurrent(nextPage(current(), pages_.count(), state().shown()));
}

void PreviewWindow::previous() {
    setCurrent(previousPage(current(), state().shown()));
}

void PreviewWindow::setCurrent(int page) {
    PreviewState s = state();
    s.current = std::clamp(page, 1, std::max(1, pages_.count()));
    display(s);
}

void PreviewWindow::setZoom(Zoom zoom) {
    PreviewState s = state();
    s.zoom = zoom;
    display(s);
}

void PreviewWindow::setGrid(int across, int down) {
    PreviewState s = state();
    s.across = std::max(1, across);
    s.down = std::max(1, down);
    display(s);
}

void PreviewWindow::refresh() { display(state()); }

void PreviewWindow::askForPage(const JumpTexts& texts) {
    JumpDialog dialog(texts, current(), pages_.count(), this);
    if (dialog.exec() == QDialog::Accepted) setCurrent(dialog.page());
}

void PreviewWindow::askForGrid(const DisplayTexts& texts) {
    DisplayDialog dialog(texts, across(), down(), this);
    if (dialog.exec() != QDialog::Accepted) return;
    PreviewState s = state();
    s.across = std::max(1, dialog.across());
    s.down = std::max(1, dialog.down());
    s.zoom = Zoom::NoZoom;
    display(s);
}

void PreviewWindow::reachByKeyboard(QToolBar& bar) {
    for (QAction* a : bar.actions()) {
        if (QWidget* button = bar.widgetForAction(a)) button->setFocusPolicy(Qt::TabFocus);
        if (!a->shortcut().isEmpty()) a->setToolTip(tipWithKey(a->toolTip(), a->shortcut()));
    }
    // An entry is reached with the underlined letter of its label ("&Strana:" - Alt+S).
    for (QLabel* label : bar.findChildren<QLabel*>()) {
        const QKeySequence key = QKeySequence::mnemonic(label->text());
        if (label->buddy() && !key.isEmpty()) label->buddy()->setToolTip(tipWithKey(label->buddy()->toolTip(), key));
    }
}

// Keys are named as their caps are (PgDown, Del), not in Qt's translation of their names.
QString PreviewWindow::tipWithKey(const QString& tip, const QKeySequence& key) {
    const QString separator = tip.isEmpty() || tip.endsWith(' ') ? QString() : QStringLiteral(" ");
    return tip + separator + '(' + key.toString(QKeySequence::PortableText) + ')';
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
