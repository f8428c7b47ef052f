#include "preview/ui/full_preview.h"

#include <QComboBox>
#include <QLabel>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include "preview/page_painter.h"
#include "preview/page_text.h"
#include "preview/ui/preview_dialogs.h"
#include "preview/ui/preview_host.h"
#include "preview/ui/print_job.h"

namespace pramo {

FullPreview::FullPreview(PageList pages, const QString& title, PreviewHost& host, QWidget* parent)
    : PreviewWindow(std::move(pages), host, parent) {
    pageList().numberPages();
    setWindowTitle(title == QStringLiteral("1") || title.isEmpty() ? QStringLiteral("Report Preview") : title);
    buildToolBar();
    markStatus_ = new QLabel(this);
    markStatus_->setObjectName(QStringLiteral("markStatus"));
    markStatus_->setMinimumWidth(80);
    pageStatus_ = new QLabel(this);
    statusBar()->addPermanentWidget(markStatus_);
    statusBar()->addPermanentWidget(pageStatus_);
    refresh();
}

QAction* FullPreview::add(const QString& name, const QString& text, const QString& tip, void (FullPreview::*slot)()) {
    auto* a = new QAction(text, this);
    a->setObjectName(name);
    a->setToolTip(tip);
    if (slot) connect(a, &QAction::triggered, this, slot);
    addAction(a);
    commands_[name] = a;
    return a;
}

QAction* FullPreview::command(const QString& name) const {
    const auto it = commands_.find(name);
    return it == commands_.end() ? nullptr : it->second;
}

void FullPreview::buildToolBar() {
    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    layout()->addWidget(bar);
    const auto icon = [this](QStyle::StandardPixmap p) { return style()->standardIcon(p); };
    bar->addAction(add("print", "Ispis", "Ispiši report", &FullPreview::print));
    bar->addAction(add("printCurrent", "Ispis str.", "Ispiši samo trenutnu stranicu", &FullPreview::printCurrent));
    bar->addAction(add("saveCurrent", "Snimi str.", "Snimi trenutnu stranu u datoteku", &FullPreview::saveCurrent));
    bar->addAction(add("saveAll", "Snimi sve", "Snimi sve strane u datoteku", &FullPreview::saveAll));
    bar->addAction(add("pdf", "PDF", "Save as PDF", &FullPreview::saveAsPdf));
    bar->addSeparator();
    bar->addAction(add("first", QString(), "Skok na 1. stranu", nullptr));
    bar->addAction(add("previous", QString(), "Prethodna strana", &FullPreview::previous));
    bar->addAction(add("next", QString(), "Slijedeća strana", &FullPreview::next));
    bar->addAction(add("last", QString(), "Skok na posljednju stranu", nullptr));
    bar->addAction(add("jump", "Skok", "Skok na stranu: ??", &FullPreview::jump));
    bar->addSeparator();
    bar->addAction(add("thumbnails", "Sličice", "Prikaži sličice", &FullPreview::changeDisplay));
    zoomList_ = new QComboBox(bar);
    zoomList_->setObjectName(QStringLiteral("zoomList"));
    zoomList_->setToolTip(QStringLiteral("Uvećanje"));
    for (const ZoomEntry& e : zoomEntries()) zoomList_->addItem(e.listText);
    connect(zoomList_, &QComboBox::activated, this, [this](int i) { setZoom(zoomEntries()[static_cast<std::size_t>(i)].zoom); });
    bar->addWidget(zoomList_);
    bar->addSeparator();
    bar->addAction(add("mark", "Označi", "Označi stranicu za ispis", &FullPreview::toggleMark));
    bar->addAction(add("delete", "Briši", "Briši stranicu", &FullPreview::deleteCurrent));
    bar->addSeparator();
    bar->addAction(add("exit", "Izlaz", "Izlazak bez ispisa reporta", &FullPreview::reject));
    connect(command("first"), &QAction::triggered, this, [this] { setCurrent(1); });
    connect(command("last"), &QAction::triggered, this, [this] { setCurrent(pages().count()); });
    command("mark")->setCheckable(true);
    command("previous")->setShortcut(Qt::Key_PageUp);
    command("next")->setShortcut(Qt::Key_PageDown);
    command("first")->setIcon(icon(QStyle::SP_MediaSkipBackward));
    command("previous")->setIcon(icon(QStyle::SP_MediaSeekBackward));
    command("next")->setIcon(icon(QStyle::SP_MediaSeekForward));
    command("last")->setIcon(icon(QStyle::SP_MediaSkipForward));
    command("print")->setIcon(QIcon::fromTheme(QStringLiteral("document-print")));
    command("saveCurrent")->setIcon(icon(QStyle::SP_DialogSaveButton));
    command("delete")->setIcon(icon(QStyle::SP_TrashIcon));
    command("exit")->setIcon(icon(QStyle::SP_DialogCloseButton));
}

void FullPreview::updateControls() {
    if (!zoomList_) return;
    const bool single = shown() == 1;
    const bool marked = pages().marked(current());
    for (const char* name : {"printCurrent", "saveCurrent", "delete", "mark"}) command(name)->setEnabled(single);
    command("delete")->setEnabled(single && pages().count() > 1);
    command("mark")->setChecked(marked);
    if (!tipFromTable_) command("mark")->setToolTip(marked ? QStringLiteral("Unmark Page") : QStringLiteral("Mark Page"));
    tipFromTable_ = false;
    markStatus_->setText(marked ? QStringLiteral("Marked") : QString());
    pageStatus_->setText(QStringLiteral("Strana %1 / %2").arg(current()).arg(pages().count()));
    zoomList_->setCurrentIndex(static_cast<int>(zoom()));
}

void FullPreview::print() {
    PrintOptionsDialog options(pages(), printerName_, host(), this);
    if (options.exec() != QDialog::Accepted) return;
    printerName_ = options.printerName();
    if (!printPages(pages().pagesOf(options.printOrder()), printerName_, windowTitle(), host(), this)) return;
    printed_ = true;
    accept();
}

void FullPreview::printCurrent() {
    printPages({&pages().page(current())}, printerName_, windowTitle(), host(), this);
}

void FullPreview::toggleMark() {
    pageList().toggleMark(current());
    refresh();
}

void FullPreview::deleteCurrent() {
    if (pages().count() <= 1) return;  // a preview always keeps one page to show
    setCurrent(deleteCurrentPage(pageList(), current()));
}

void FullPreview::saveCurrent() {
    const QString path = host().saveFileName(this, QStringLiteral("Snimi trenutnu stranicu u datoteku..."),
                                             QStringLiteral("Text File (*.TXT);;SVG File (*.SVG);;All Files (*)"), saveFile_);
    if (path.isEmpty()) return;
    const Page& page = pages().page(current());
    const bool drawing = path.contains(QStringLiteral(".SVG"), Qt::CaseInsensitive);
    if (!(drawing ? writeSvg(page, path, windowTitle()) : writePagesAsText({&page}, path))) tellNotSaved(host(), path);
}

void FullPreview::saveAll() {
    SaveAllDialog dialog(pages(), saveFile_, host(), this);
    if (dialog.exec() == QDialog::Accepted) saveFile_ = dialog.fileName();
}

void FullPreview::jump() {
    JumpDialog dialog({QStringLiteral("Skoči na stranicu: "), QStringLiteral("&Stranica:"), QStringLiteral("Prihvati"),
                       QStringLiteral("Odustani")},
                      current(), pages().count(), this);
    if (dialog.exec() == QDialog::Accepted) setCurrent(dialog.page());
}

void FullPreview::changeDisplay() {
    DisplayDialog dialog({QStringLiteral("Promjeni prikaz"), QStringLiteral("Broj stranica"), QStringLiteral("Stupaca"),
                          QStringLiteral("Down"), QStringLiteral("Prihvati")},
                         across(), down(), this);
    if (dialog.exec() != QDialog::Accepted) return;
    setGrid(dialog.across(), dialog.down());
    setZoom(Zoom::NoZoom);
}

}  // namespace pramo
