#include "shell/list/list_screen.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

#include "shell/called_window.h"
#include "shell/declarations.h"
#include "shell/list/list_panel.h"
#include "shell/window_memory.h"

namespace pramo {

ListScreen::ListScreen(AppContext& ctx, const ListSpec& spec, Request request, RecordBuffer* buffer, QWidget* parent)
    : QWidget(parent), ctx_(ctx), buffer_(buffer), memoryKey_(memoryKey("Liste", spec)) {
    ctx_.glo.globalResponse = Response::None;
    setWindowTitle(spec.caption);
    const bool selecting = request == Request::Select && buffer;
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    layout->addLayout(top, 1);
    std::vector<const ListSpec*> masters;
    for (const TabSpec& tab : spec.tabs)
        if (tab.range.from && std::find(masters.begin(), masters.end(), tab.range.from) == masters.end())
            masters.push_back(tab.range.from);
    for (const ListSpec* m : masters) {
        auto* panel = new ListPanel(ctx, *m, false, this);
        top->addWidget(panel);
        link(panel, nullptr);
        panel->fillFirst();
    }
    main_ = new ListPanel(ctx, spec, selecting, this);
    top->addWidget(main_, 2);
    for (ListPanel* m : panels_) main_->setRangeSource(m);
    link(main_, nullptr);
    connect(main_, &ListPanel::tabChanged, this, &ListScreen::showMastersOf);
    connect(main_, &ListPanel::selected, this, &ListScreen::choose);
    showMastersOf(main_->currentTab());
    if (selecting) main_->fillAt(*buffer);
    else main_->fillFirst();
    for (const ListSpec* d : spec.details) {
        auto* panel = new ListPanel(ctx, *d, false, this);
        panel->setHeadingVisible(true);
        layout->addWidget(panel, 1);
        link(panel, main_);
        panel->fillFirst();
    }
    setFocusProxy(main_);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this, [this] { finish(Response::Cancelled); });
    escape->setContext(Qt::WidgetWithChildrenShortcut);  // Esc closes the list wherever its focus is
}

void ListScreen::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (placed_) return;
    placed_ = true;
    QWidget* work = windowOfWork(this);
    const bool sizedByCaller = work == this && testAttribute(Qt::WA_Resized);
    if (work && !sizedByCaller) restoreWindow(work, memoryKey_, sizeHint());
    main_->setFocus(Qt::OtherFocusReason);
}

void ListScreen::hideEvent(QHideEvent* event) {
    if (QWidget* work = windowOfWork(this); work && placed_) saveWindow(work, memoryKey_);
    QWidget::hideEvent(event);
}

void ListScreen::link(ListPanel* panel, ListPanel* source) {
    panels_.push_back(panel);
    if (source) panel->setRangeSource(source);
    connect(panel, &ListPanel::closeRequested, this, [this] { finish(Response::Cancelled); });
}

ListPanel* ListScreen::panelOf(const ListSpec& spec) const {
    for (ListPanel* p : panels_)
        if (&p->spec() == &spec) return p;
    return nullptr;
}

void ListScreen::showMastersOf(int tab) {
    const ListSpec* shown = main_->spec().tabs[static_cast<std::size_t>(tab)].range.from;
    for (ListPanel* p : panels_)
        if (p != main_ && std::find(main_->spec().details.begin(), main_->spec().details.end(), &p->spec()) ==
                              main_->spec().details.end())
            p->setVisible(&p->spec() == shown);
}

// Select: the highlighted record, read afresh, goes to the caller's buffer.
void ListScreen::choose() {
    const PageRow* row = main_->page().highlighted();
    if (!row || !buffer_) return;
    RecordBuffer rec = row->rec;
    const StoreCode rc = ctx_.store.regetRaw(rec.table(), row->pos, rec.get());
    if (rc == StoreCode::NotFound) return main_->refresh();
    if (!ok(rc)) {
        showWarning(ctx_.messages, ctx_.store, Warning::RetrievalError, rec.table().label);
        return finish(Response::Cancelled);
    }
    *buffer_ = rec;
    finish(Response::Completed);
}

bool ListScreen::enterFirstToChoose() {
    const ListSpec& spec = main_->spec();
    if (!buffer_ || !main_->page().empty() || !spec.form || !spec.buttons.testFlag(ListButton::Insert)) return false;
    connect(main_, &ListPanel::formReturned, this, [this](Request request, Response response) {
        if (request == Request::Insert && response == Response::Completed) choose();
    }, Qt::SingleShotConnection);
    QTimer::singleShot(0, main_, &ListPanel::insertRecord);  // once the list is on the screen
    return true;
}

void ListScreen::finish(Response response) {
    if (finished_) return;
    finished_ = true;
    response_ = response;
    ctx_.glo.globalResponse = response;
    emit finished();
    close();  // the frame closes the child window with it; a selecting list's dialog ends on `finished`
}

Response selectRecord(AppContext& ctx, const ListSpec& spec, RecordBuffer& buffer, QWidget* parent) {
    if (const std::string fault = declarationFault(spec); !fault.empty()) {
        showDeclarationFault(ctx.messages, spec.caption, fault);
        return Response::Cancelled;
    }
    QDialog dialog(parent);
    dialog.setWindowTitle(spec.caption);
    auto* layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* screen = new ListScreen(ctx, spec, Request::Select, &buffer, &dialog);
    layout->addWidget(screen);
    QObject::connect(screen, &ListScreen::finished, &dialog, [&dialog] { dialog.done(0); });
    screen->setFocus();  // the rows have the focus: typing locates at once
    screen->enterFirstToChoose();  // nothing to choose from yet: the first record is entered
    runCalledWindow(dialog, parent);
    const Response r = screen->response();
    ctx.glo.globalResponse = r;
    return r;
}

QWidget* openList(AppContext& ctx, const ListSpec& spec) {
    if (const std::string fault = declarationFault(spec); !fault.empty()) {
        showDeclarationFault(ctx.messages, spec.caption, fault);
        return nullptr;
    }
    auto* screen = new ListScreen(ctx, spec);
    screen->setAttribute(Qt::WA_DeleteOnClose);
    return screen;
}

}  // namespace pramo
