#include "shell/form/form_screen.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <stdexcept>

#include "shell/called_window.h"
#include "shell/declarations.h"
#include "shell/form/form_field.h"
#include "shell/form/record_form.h"
#include "shell/list/page_view.h"

namespace pramo {

FormScreen::FormScreen(AppContext& ctx, const FormSpec& spec, RecordBuffer& rec, Request request, QWidget* parent)
    : QDialog(parent), ctx_(ctx), spec_(spec) {
    form_ = std::make_unique<RecordForm>(ctx, spec, rec, request);
    setWindowTitle(request == Request::Insert ? spec.insertCaption : spec.changeCaption);
    build();
}

FormScreen::~FormScreen() {
    closing_ = true;  // the entries lose their focus as they go: nothing is accepted any more
}

Request FormScreen::request() const { return form_->request(); }
Response FormScreen::response() const { return form_->response(); }
RecordBuffer& FormScreen::record() { return form_->record(); }

bool FormScreen::start() {
    if (form_->open() == RecordForm::Step::Close) {
        finish(form_->response() == Response::Completed);
        return false;
    }
    if (request() == Request::Insert) {
        for (const FieldDefault& d : spec_.defaults) {
            const FieldDef& f = pramo::fieldOf(*spec_.table, d.field);
            if (const auto v = parseField(f, d.value)) setField(f, record().get(), *v);
        }
        if (spec_.hooks.defaults) spec_.hooks.defaults(*this);
    }
    if (spec_.hooks.opened) spec_.hooks.opened(*this);
    refreshFields();
    if (!focusWidget()) focusFirstField();  // else the dialog gives it to OK when a look-up's button comes first
    for (std::size_t i = 0; ListPanel* l = list(i); ++i) l->fillFirst();  // the record now has its number
    return true;
}

ListPanel* FormScreen::list(std::size_t i) const {
    for (const auto& f : fields_)
        if (f->list && i-- == 0) return f->list;
    return nullptr;
}

void FormScreen::build() {
    auto* layout = new QVBoxLayout(this);
    std::vector<QFormLayout*> pages;
    if (spec_.tabs.empty()) {
        auto* page = new QWidget(this);
        pages.push_back(new QFormLayout(page));
        layout->addWidget(page);
    } else {
        auto* tabs = new QTabWidget(this);
        for (const QString& title : spec_.tabs) {
            auto* page = new QWidget(tabs);
            pages.push_back(new QFormLayout(page));
            tabs->addTab(page, title);
        }
        layout->addWidget(tabs);
    }
    Placement at;
    for (const FieldSpec& fs : spec_.fields) {
        auto f = std::make_unique<Field>();
        f->spec = &fs;
        place(*f, pages[static_cast<std::size_t>(fs.tab)], at);
        fields_.push_back(std::move(f));
    }
    layout->addWidget(buildButtons());
}

// Puts a field's widgets on its page: on a row of its own with its label, on the row of the field
// before it, or in the framed group it belongs to.
void FormScreen::place(Field& f, QFormLayout* page, Placement& at) {
    const FieldSpec& fs = *f.spec;
    if (fs.group.isEmpty() || page != at.page || fs.group != at.groupTitle) {
        at.group = nullptr;
        at.groupTitle = fs.group;
        if (!fs.group.isEmpty()) {
            auto* box = new QGroupBox(fs.group, page->parentWidget());
            at.group = new QFormLayout(box);
            page->addRow(box);
        }
    }
    at.page = page;
    QFormLayout* rows = at.group ? at.group : page;
    QWidget* row = buildField(f, rows->parentWidget());
    const bool ownRow = !(fs.sameRow && at.row);
    if (fs.kind != FieldKind::Button && fs.kind != FieldKind::List && (ownRow || !fs.label.isEmpty())) {
        f.label = new QLabel(fs.label, rows->parentWidget());
        f.label->setBuddy(f.entry ? static_cast<QWidget*>(f.entry) : row);
    }
    if (!ownRow) {
        const int end = at.row->count() - 1;  // before the row's closing stretch
        if (f.label) at.row->insertWidget(end, f.label);
        at.row->insertWidget(at.row->count() - 1, row);
        return;
    }
    if (f.label) rows->addRow(f.label, row);
    else rows->addRow(row);
    at.row = static_cast<QHBoxLayout*>(row->layout());
}

QWidget* FormScreen::buildButtons() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->addStretch(1);
    ok_ = new QPushButton("OK", row);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &FormScreen::accept);
    layout->addWidget(ok_);
    cancel_ = new QPushButton(spec_.cancelText, row);
    cancel_->setAutoDefault(false);
    cancel_->setFocusPolicy(Qt::NoFocus);  // cancelling does not accept the entry being left
    connect(cancel_, &QPushButton::clicked, this, &FormScreen::reject);
    layout->addWidget(cancel_);
    if (spec_.help) {
        auto* help = new QPushButton("Help", row);
        help->setAutoDefault(false);
        help->setFocusPolicy(Qt::NoFocus);
        connect(help, &QPushButton::clicked, this, &FormScreen::showHelp);
        layout->addWidget(help);
    }
    return row;
}

// OK: every entry must pass its picture and the form's own checks; then the record is saved.
// When saving keeps the form open (a duplicate key, a refused change, another station's version)
// the form shows the record as it now is.
void FormScreen::accept() {
    if (closing_) return;
    const bool editing = request() == Request::Insert || request() == Request::Change;
    if (editing && !validateAll()) return;
    const RecordForm::Step step = form_->complete();
    refreshFields();
    if (step == RecordForm::Step::Close) finish(form_->response() == Response::Completed);
}

void FormScreen::reject() {
    if (closing_) return;
    const bool asked = request() == Request::Insert && spec_.hooks.mayCancelInsert;
    if (!asked || spec_.hooks.mayCancelInsert(*this)) finish(false);
}

bool FormScreen::validateAll() {
    for (auto& f : fields_) {
        if (!f->entry || !f->entry->isEnabled() || f->entry->isReadOnly()) continue;
        if (!acceptEntry(*f) || !lookedUpIfRequired(*f)) {
            f->entry->setFocus();
            return false;
        }
    }
    return !spec_.hooks.validate || spec_.hooks.validate(*this);
}

void FormScreen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    QTimer::singleShot(0, this, [this] { opening_ = false; });
}

// The widget of a field where typing or choosing starts; null for a field that takes nothing now.
QWidget* FormScreen::focusTarget(const Field& f) const {
    if (!f.row->isEnabled() || !f.row->isVisibleTo(this)) return nullptr;  // on another tab
    if (f.entry) return f.entry->isReadOnly() ? nullptr : f.entry;
    if (f.group && !f.group->buttons().isEmpty()) {
        QAbstractButton* b = f.group->checkedButton();
        return b ? b : f.group->buttons().front();
    }
    return f.list ? f.list->view() : nullptr;
}

// The focus on the first entry or option group that takes a value, where typing starts.
void FormScreen::focusFirstField() {
    for (const auto& f : fields_) {
        if (f->list) continue;
        if (QWidget* w = focusTarget(*f)) return w->setFocus();
    }
}

// The focus on the field after `f` that takes a value (as Tab goes), else on OK.
void FormScreen::focusFieldAfter(const Field& f) {
    auto at = std::find_if(fields_.begin(), fields_.end(), [&f](const auto& p) { return p.get() == &f; });
    for (at = at == fields_.end() ? at : at + 1; at != fields_.end(); ++at)
        if (QWidget* w = focusTarget(**at)) return w->setFocus(Qt::TabFocusReason);
    ok_->setFocus(Qt::TabFocusReason);
}

void FormScreen::finish(bool completed) {
    closing_ = true;
    if (completed && spec_.hooks.saved) spec_.hooks.saved(*this);
    std::function<void()> cancelInsert;
    if (spec_.hooks.cancelInsert) cancelInsert = [this] { spec_.hooks.cancelInsert(*this); };
    form_->close(cancelInsert);
    if (completed) QDialog::accept();
    else QDialog::reject();
}

void FormScreen::showHelp() {
    MessageBox box;
    box.title = windowTitle().toStdString();
    box.icon = Icon::Information;
    box.text = "OK - spremanje, Odustani - izlaz bez spremanja.\nCtrl+' - vraća vrijednost polja iz zadnjeg spremljenog sloga.";
    ctx_.messages.ask(box);
}

Response callForm(AppContext& ctx, const FormSpec& spec, Request request, RecordBuffer& rec, QWidget* parent) {
    if (const std::string fault = declarationFault(spec); !fault.empty()) {
        showDeclarationFault(ctx.messages, spec.insertCaption, fault);
        return Response::Cancelled;
    }
    if (spec.window) return spec.window(ctx, spec, request, rec, parent);
    FormScreen form(ctx, spec, rec, request, parent);
    if (form.start()) runCalledWindow(form, parent);
    return form.response();
}

}  // namespace pramo
