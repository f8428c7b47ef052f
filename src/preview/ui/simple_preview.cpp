#include "preview/ui/simple_preview.h"

#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "preview/ui/preview_dialogs.h"

namespace pramo {
namespace {

const std::vector<QString> menuZoomTexts{
    QStringLiteral("Bez &Povecanja"), QStringLiteral("Duljina &stranice"), QStringLiteral("&50 post."),
    QStringLiteral("&75 post."),      QStringLiteral("&100 post."),        QStringLiteral("&200 post."),
    QStringLiteral("&300 post.")};
// The zoom popup "-No Zoom|-|-Page Width|-50%|-75%|-100%|-200%|-300%": the choice in use is checked.
const std::vector<QString> popupZoomTexts{QStringLiteral("No Zoom"), QStringLiteral("Page Width"), QStringLiteral("50%"),
                                          QStringLiteral("75%"),     QStringLiteral("100%"),       QStringLiteral("200%"),
                                          QStringLiteral("300%")};

}  // namespace

SimplePreview::SimplePreview(PageList pages, PreviewHost& host, QWidget* parent)
    : PreviewWindow(std::move(pages), host, parent) {
    setWindowTitle(QStringLiteral("Preview ispisa"));
    buildMenus();
    buildToolBar();
    refresh();
}

QAction* SimplePreview::action(const QString& text, const QString& tip, const QString& name) {
    auto* a = new QAction(text, this);
    a->setObjectName(name);
    a->setToolTip(tip);
    a->setStatusTip(tip);
    return a;
}

void SimplePreview::buildMenus() {
    auto* bar = new QMenuBar(this);
    QDialog::layout()->setMenuBar(bar);
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    QAction* printAction = file->addAction(QStringLiteral("&Print"), this, &SimplePreview::print);
    printAction->setStatusTip(QStringLiteral("Print the report"));
    QAction* pdf = file->addAction(QStringLiteral("Snimi kao &PDF"), this, &SimplePreview::saveAsPdf);
    pdf->setStatusTip(QStringLiteral("Snimi kao PDF"));
    QAction* exit = file->addAction(QStringLiteral("&Izlaz"), this, &QDialog::reject);
    exit->setStatusTip(QStringLiteral("Exit without printing the report"));

    QMenu* view = bar->addMenu(QStringLiteral("&Pogled"));
    QAction* next = view->addAction(QStringLiteral("&Slijedeca(e) str."), this, &SimplePreview::next);
    next->setShortcut(Qt::Key_PageDown);
    QAction* previous = view->addAction(QStringLiteral("&Prethodna(e) str."), this, &SimplePreview::previous);
    previous->setShortcut(Qt::Key_PageUp);
    view->addAction(QStringLiteral("&Skok na str."), this, &SimplePreview::jump)
        ->setStatusTip(QStringLiteral("Jump to a specific page of the report"));
    view->addAction(QStringLiteral("&Promijeni prikaz"), this, &SimplePreview::changeDisplay)
        ->setStatusTip(QStringLiteral("Change the number of pages displayed"));

    QMenu* zoom = bar->addMenu(QStringLiteral("&Povecanje"));
    auto* group = new QActionGroup(this);
    addZoomChoices(group, menuZoomTexts, menuZoom_);
    zoom->addActions(group->actions());
}

void SimplePreview::addZoomChoices(QActionGroup* group, const std::vector<QString>& texts, std::map<Zoom, QAction*>& byZoom) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const Zoom z = zoomEntries()[i].zoom;
        QAction* a = group->addAction(texts[i]);
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, z] { setZoom(z); });
        byZoom[z] = a;
    }
}

void SimplePreview::buildToolBar() {
    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    layout()->addWidget(bar);
    QAction* printAction = action(QStringLiteral("Ispis"), QStringLiteral("Ispiši "), QStringLiteral("print"));
    printAction->setIcon(QIcon::fromTheme(QStringLiteral("document-print")));
    printAction->setShortcut(Qt::CTRL | Qt::Key_P);
    connect(printAction, &QAction::triggered, this, &SimplePreview::print);
    QAction* exit = action(QStringLiteral("Izlaz"), QStringLiteral("Izađi van bez ispisa"), QStringLiteral("exit"));
    exit->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    exit->setShortcut(Qt::Key_Escape);
    connect(exit, &QAction::triggered, this, &QDialog::reject);
    QAction* pdf = action(QStringLiteral("PDF"), QStringLiteral("Snimi kao PDF"), QStringLiteral("pdf"));
    pdf->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    pdf->setShortcut(Qt::CTRL | Qt::Key_D);
    connect(pdf, &QAction::triggered, this, &SimplePreview::saveAsPdf);
    bar->addActions({printAction, exit, pdf});
    bar->addWidget(zoomButton(bar));
    bar->addSeparator();
    addEntries(bar);
    reachByKeyboard(*bar);
}

QToolButton* SimplePreview::zoomButton(QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QStringLiteral("zoom"));
    button->setText(QStringLiteral("Uvećaj"));
    const QKeySequence key(Qt::CTRL | Qt::Key_U);
    button->setToolTip(tipWithKey(QStringLiteral("Uvećaj stranicu izvještaja"), key));
    button->setPopupMode(QToolButton::InstantPopup);
    auto* open = new QAction(this);
    open->setShortcut(key);
    connect(open, &QAction::triggered, button, &QToolButton::showMenu);
    addAction(open);
    auto* popup = new QMenu(button);
    addZoomChoices(new QActionGroup(popup), popupZoomTexts, popupZoom_);
    popup->addAction(popupZoom_[Zoom::NoZoom]);
    popup->addSeparator();
    for (const ZoomEntry& e : zoomEntries()) {
        if (e.zoom != Zoom::NoZoom) popup->addAction(popupZoom_[e.zoom]);
    }
    button->setMenu(popup);
    return button;
}

void SimplePreview::addEntries(QToolBar* bar) {
    const int count = pages().count();
    const auto entry = [&](const QString& label, const QString& name, const QString& tip, int max) {
        auto* box = new QSpinBox(bar);
        box->setObjectName(name);
        box->setRange(1, max);
        box->setToolTip(tip);
        box->setEnabled(count > 1);
        auto* text = new QLabel(label, bar);
        text->setBuddy(box);
        bar->addWidget(text);
        bar->addWidget(box);
        return box;
    };
    page_ = entry(QStringLiteral(" &Strana: "), QStringLiteral("page"), QStringLiteral("Unesi br. strane od 1 do %1").arg(count),
                  std::max(1, count));
    across_ = entry(QStringLiteral(" &Redova: "), QStringLiteral("across"), QStringLiteral("Odaberi br.strana u redu "), 10);
    down_ = entry(QStringLiteral(" &Stupaca: "), QStringLiteral("down"), QStringLiteral("Odaberi br. strana u stupcu"), 10);
    connect(page_, &QSpinBox::valueChanged, this, [this](int n) { setCurrent(n); });
    connect(across_, &QSpinBox::valueChanged, this, [this](int n) { setGrid(n, down()); setZoom(Zoom::NoZoom); });
    connect(down_, &QSpinBox::valueChanged, this, [this](int n) { setGrid(across(), n); setZoom(Zoom::NoZoom); });
}

void SimplePreview::updateControls() {
    if (!page_) return;
    const QSignalBlocker b1(page_), b2(across_), b3(down_);
    page_->setValue(current());
    across_->setValue(across());
    down_->setValue(down());
    menuZoom_[zoom()]->setChecked(true);
    popupZoom_[zoom()]->setChecked(true);
}

void SimplePreview::jump() {
    askForPage({QStringLiteral("Jump to a Report Page"), QStringLiteral("&Page:"), QStringLiteral("OK"),
                QStringLiteral("Cancel")});
}

void SimplePreview::changeDisplay() {
    askForGrid({QStringLiteral("Change the Report Display"), QStringLiteral("Pages Displayed"),
                QStringLiteral("Across"), QStringLiteral("Down"), QStringLiteral("OK")});
}

void SimplePreview::print() {
    printChosen_ = true;
    accept();
}

}  // namespace pramo
