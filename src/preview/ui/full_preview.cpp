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

// A button of the toolbar.
struct PreviewCommand {
    const char* name;
    const char* text;
    const char* tip;
    void (FullPreview::*slot)();
    QKeyCombination key{};
    QStyle::StandardPixmap icon = QStyle::SP_CustomBase;  // none
};

namespace {

// The buttons in the order they stand; an entry without a name is a gap, one without an action
// the zoom list.
const PreviewCommand commandDefs[] = {
    {"print", "Ispis", "Ispiši report", &FullPreview::print, Qt::CTRL | Qt::Key_P},
    {"printCurrent", "Ispis str.", "Ispiši samo trenutnu stranicu", &FullPreview::printCurrent, Qt::CTRL | Qt::SHIFT | Qt::Key_P},
    {"saveCurrent", "Snimi str.", "Snimi trenutnu stranu u datoteku", &FullPreview::saveCurrent, Qt::CTRL | Qt::Key_S,
     QStyle::SP_DialogSaveButton},
    {"saveAll", "Snimi sve", "Snimi sve strane u datoteku", &FullPreview::saveAll, Qt::CTRL | Qt::SHIFT | Qt::Key_S},
    {"pdf", "PDF", "Snimi kao PDF", &FullPreview::saveAsPdf, Qt::CTRL | Qt::Key_D},
    {nullptr, nullptr, nullptr, nullptr},
    {"first", "", "Skok na 1. stranu", &FullPreview::first, Qt::CTRL | Qt::Key_Home, QStyle::SP_MediaSkipBackward},
    {"previous", "", "Prethodna strana", &FullPreview::previous, QKeyCombination(Qt::Key_PageUp), QStyle::SP_MediaSeekBackward},
    {"next", "", "Slijedeća strana", &FullPreview::next, QKeyCombination(Qt::Key_PageDown), QStyle::SP_MediaSeekForward},
    {"last", "", "Skok na posljednju stranu", &FullPreview::last, Qt::CTRL | Qt::Key_End, QStyle::SP_MediaSkipForward},
    {"jump", "Skok", "Skok na stranu: ??", &FullPreview::jump, Qt::CTRL | Qt::Key_G},
    {nullptr, nullptr, nullptr, nullptr},
    {"thumbnails", "Sličice", "Prikaži sličice", &FullPreview::changeDisplay, Qt::CTRL | Qt::Key_T},
    {"zoomList", nullptr, nullptr, nullptr},
    {nullptr, nullptr, nullptr, nullptr},
    {"mark", "Označi", "Označi stranicu za ispis", &FullPreview::toggleMark, Qt::CTRL | Qt::Key_M},
    {"delete", "Briši", "Briši stranicu", &FullPreview::deleteCurrent, Qt::CTRL | Qt::Key_Delete, QStyle::SP_TrashIcon},
    {nullptr, nullptr, nullptr, nullptr},
    {"exit", "Izlaz", "Izlazak bez ispisa reporta", &FullPreview::reject, QKeyCombination(Qt::Key_Escape),
     QStyle::SP_DialogCloseButton},
};

// The zoom list takes the focus, open, with this key.
constexpr QKeyCombination zoomKey = Qt::CTRL | Qt::Key_U;

}  // namespace

QAction* FullPreview::add(const PreviewCommand& def) {
    auto* a = new QAction(QString::fromUtf8(def.text), this);
    a->setObjectName(QString::fromLatin1(def.name));
    a->setToolTip(QString::fromUtf8(def.tip));
    a->setShortcut(def.key);
    if (def.icon != QStyle::SP_CustomBase) a->setIcon(style()->standardIcon(def.icon));
    connect(a, &QAction::triggered, this, def.slot);
    addAction(a);
    commands_[a->objectName()] = a;
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
    for (const PreviewCommand& def : commandDefs) {
        if (!def.name) bar->addSeparator();
        else if (!def.slot) bar->addWidget(buildZoomList(bar));
        else bar->addAction(add(def));
    }
    command("print")->setIcon(QIcon::fromTheme(QStringLiteral("document-print")));
    command("mark")->setCheckable(true);
    reachByKeyboard(*bar);
}

QComboBox* FullPreview::buildZoomList(QWidget* parent) {
    zoomList_ = new QComboBox(parent);
    zoomList_->setObjectName(QStringLiteral("zoomList"));
    zoomList_->setToolTip(tipWithKey(QStringLiteral("Uvećanje"), zoomKey));
    auto* open = new QAction(this);
    open->setShortcut(zoomKey);
    connect(open, &QAction::triggered, zoomList_, [this] {
        zoomList_->setFocus(Qt::ShortcutFocusReason);
        zoomList_->showPopup();
    });
    addAction(open);
    for (const ZoomEntry& e : zoomEntries()) zoomList_->addItem(e.listText);
    connect(zoomList_, &QComboBox::activated, this, [this](int i) { setZoom(zoomEntries()[static_cast<std::size_t>(i)].zoom); });
    return zoomList_;
}

void FullPreview::first() {
    setCurrent(1);
}

void FullPreview::last() {
    setCurrent(pages().count());
}

void FullPreview::updateControls() {
    if (!zoomList_) return;
    const bool single = shown() == 1;
    const bool marked = pages().marked(current());
    for (const char* name : {"printCurrent", "saveCurrent", "delete", "mark"}) command(name)->setEnabled(single);
    command("delete")->setEnabled(single && pages().count() > 1);
    command("mark")->setChecked(marked);
    if (!tipFromTable_)
        command("mark")->setToolTip(tipWithKey(marked ? QStringLiteral("Unmark Page") : QStringLiteral("Mark Page"), command("mark")->shortcut()));
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
    const WriteOutcome problem = drawing ? writeSvg(page, path, windowTitle()) : writePagesAsText({&page}, path);
    if (problem) tellNotSaved(host(), *problem);
}

void FullPreview::saveAll() {
    SaveAllDialog dialog(pages(), saveFile_, host(), this);
    if (dialog.exec() == QDialog::Accepted) saveFile_ = dialog.fileName();
}

void FullPreview::jump() {
    askForPage({QStringLiteral("Skoči na stranicu: "), QStringLiteral("&Stranica:"), QStringLiteral("Prihvati"),
                QStringLiteral("Odustani")});
}

void FullPreview::changeDisplay() {
    askForGrid({QStringLiteral("Promjeni prikaz"), QStringLiteral("Broj stranica"), QStringLiteral("Stupaca"),
                QStringLiteral("Down"), QStringLiteral("Prihvati")});
}

}  // namespace pramo
