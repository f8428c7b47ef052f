#include "shell/list/list_panel.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QVBoxLayout>

#include "records/store/key_encoding.h"
#include "shell/form/form_screen.h"
#include "shell/list/list_screen.h"
#include "shell/list/page_view.h"
#include "shell/list/thumb_stops.h"
#include "shell/window_memory.h"

namespace pramo {
namespace {

// The sort value shared by the records of a range: the first `fields` components of the key.
std::string rangePrefix(const KeyDef& key, int fields, const void* seek) {
    if (fields == 0) return {};
    KeyDef leading;
    leading.table = key.table;
    leading.parts.assign(key.parts.begin(), key.parts.begin() + fields);
    leading.fieldIndex.assign(key.fieldIndex.begin(), key.fieldIndex.begin() + fields);
    return encodeSeek(leading, seek);
}

bool numeric(const FieldDef* f) { return f && !f->isText(); }

const char* buttonText(ListButton b) {
    switch (b) {
    case ListButton::Insert: return "&Unesi";
    case ListButton::Change: return "&Mijenjaj";
    case ListButton::Delete: return "&Briši";
    case ListButton::Close: return "Zatvori";
    case ListButton::Help: return "Help";
    case ListButton::Select: return "";
    }
    return "";
}

}  // namespace

ListPanel::ListPanel(AppContext& ctx, const ListSpec& spec, bool selecting, QWidget* parent)
    : QWidget(parent), ctx_(ctx), spec_(spec), selecting_(selecting), page_(ctx.store, *spec.table),
      seek_(*spec.table), locatorTexts_(spec.tabs.size()), columnsKey_(memoryKey("Stupci", spec)) {
    const std::vector<const TableDef*> files = filesOf(spec);
    files_ = std::make_unique<ScreenFiles>(ctx, std::span<const TableDef* const>(files));
    for (const ColumnSpec& c : spec.columns) columns_.push_back(columnOf(c));
    for (const ColumnSpec& c : spec.below) belowColumns_.push_back(columnOf(c));
    page_.setCells([this](const RecordBuffer& rec, std::vector<std::string>& cells) { readCells(rec, cells); });
    page_.setSort(*spec.tabs.front().key, {}, {});  // until the first fill binds the tab
    build();
}

ListPanel::~ListPanel() = default;

ListPanel::Column ListPanel::columnOf(const ColumnSpec& c) const {
    Column col{.format = c.format, .compute = c.compute, .typed = c.typed};
    if (!c.compute && !c.typed) col.field = &fieldOf(*spec_.table, c.field);
    if (c.lookupKey) {
        col.lookupKey = c.lookupKey;
        col.shown = &fieldOf(*c.lookupKey->table, c.lookupField);
    }
    return col;
}

void ListPanel::build() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    heading_ = new QLabel(spec_.caption, this);
    heading_->hide();
    layout->addWidget(heading_);
    layout->addWidget(buildTabs());
    layout->addWidget(buildLocatorEntry(), 0, Qt::AlignLeft);
    auto* body = new QHBoxLayout;
    body->addWidget(buildView());
    body->addWidget(buildThumb());
    layout->addLayout(body, 1);
    if (!spec_.below.empty()) layout->addWidget(buildBelow());
    layout->addWidget(buildButtons());
    setFocusProxy(view_);
}

QWidget* ListPanel::buildTabs() {
    tabs_ = new QTabBar(this);
    tabs_->setExpanding(false);
    for (const TabSpec& t : spec_.tabs) tabs_->addTab(t.title);
    tabs_->setVisible(spec_.tabs.size() > 1 || !spec_.tabs.front().title.isEmpty());
    connect(tabs_, &QTabBar::currentChanged, this, &ListPanel::setCurrentTab);
    return tabs_;
}

// The entry locator: its value, when accepted, is located and the list gets the focus back.
QWidget* ListPanel::buildLocatorEntry() {
    entry_ = new QLineEdit(this);
    entry_->setFixedWidth(entry_->fontMetrics().averageCharWidth() * 32 + 16);  // the longest key text searched
    connect(entry_, &QLineEdit::returnPressed, this, [this] {
        if (entry_->text().trimmed().isEmpty()) return;
        RecordBuffer seek = seek_;
        setLocatorValue(seek, entry_->text().toStdString());
        locateSeek(seek);
        view_->setFocus();
    });
    return entry_;
}

QWidget* ListPanel::buildView() {
    view_ = new PageView(this);
    view_->setToolTip(spec_.toolTip);
    QStringList titles;
    std::vector<Qt::Alignment> align;
    for (std::size_t i = 0; i < spec_.columns.size(); ++i) {
        titles << spec_.columns[i].title;
        const Column& c = columns_[i];
        const bool right = numeric(c.lookupKey ? c.shown : c.field) && !c.compute;  // numbers and amounts
        align.push_back(right ? Qt::AlignRight : Qt::AlignLeft);
    }
    model_ = new PageModel(page_, titles, align, this);
    view_->setModel(model_);
    setColumnWidths();
    const std::vector<int> remembered = rememberedColumns(columnsKey_);
    if (remembered.size() == columns_.size())  // never narrower than the heading
        for (std::size_t i = 0; i < remembered.size(); ++i)
            if (remembered[i] > 0) view_->setColumnWidth(static_cast<int>(i), std::max(remembered[i], headingWidth(static_cast<int>(i))));
    view_->installEventFilter(this);
    view_->viewport()->installEventFilter(this);
    connect(view_, &PageView::resized, this, &ListPanel::resized);
    connect(view_, &QAbstractItemView::pressed, this, [this](const QModelIndex& i) {
        page_.setCurrent(i.row());
        showHighlight();  // the rows stay: a double-click goes on to the row pressed
    });
    connect(view_, &QAbstractItemView::doubleClicked, this, [this] { selecting_ ? selectRecord() : changeRecord(); });
    connect(view_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        std::unique_ptr<QMenu> menu(buildPopupMenu(this));
        menu->exec(view_->viewport()->mapToGlobal(pos));
    });
    return view_;
}

QWidget* ListPanel::buildThumb() {
    thumb_ = new QScrollBar(Qt::Vertical, this);
    thumb_->setRange(1, thumb::stops);
    thumb_->setPageStep(1);
    connect(thumb_, &QAbstractSlider::actionTriggered, this, [this](int action) { thumbAction(action); });
    connect(thumb_, &QAbstractSlider::sliderReleased, this, &ListPanel::updateThumb);
    return thumb_;
}

// Columns as wide as their field holds (at most 30 characters, or as declared) or their title,
// whichever is wider.
void ListPanel::setColumnWidths() {
    const QFontMetrics metrics = view_->fontMetrics();
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        if (spec_.columns[i].hidden) {
            view_->setColumnHidden(static_cast<int>(i), true);
            continue;
        }
        const Column& c = columns_[i];
        const FieldDef* f = c.lookupKey ? c.shown : c.field;
        int chars = 12;
        if (f && f->isText()) chars = std::min(f->size, 30);
        else if (f && f->type == FieldType::Date) chars = 10;
        else if (f) chars = std::min(static_cast<int>(std::to_string(f->maxValue()).size()), 7) + 2;  // wider ones widen the column when shown
        if (spec_.columns[i].chars > 0) chars = spec_.columns[i].chars;
        view_->setColumnWidth(static_cast<int>(i), std::max(headingWidth(static_cast<int>(i)), chars * metrics.averageCharWidth() + 12));
    }
}

// The width that shows column `i`'s heading whole, as the header draws it (its font, margins).
int ListPanel::headingWidth(int i) const {
    const int text = view_->fontMetrics().horizontalAdvance(spec_.columns[static_cast<std::size_t>(i)].title) + 16;
    return std::max(text, view_->horizontalHeader()->sectionSizeHint(i));
}

void ListPanel::hideEvent(QHideEvent* event) {
    std::vector<int> widths;
    for (std::size_t i = 0; i < columns_.size(); ++i) widths.push_back(view_->columnWidth(static_cast<int>(i)));
    rememberColumns(columnsKey_, widths);
    QWidget::hideEvent(event);
}

void ListPanel::setHeadingVisible(bool visible) { heading_->setVisible(visible && !spec_.caption.isEmpty()); }

QWidget* ListPanel::buildButtons() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(1);
    auto add = [&](ListButton b, const QString& text, void (ListPanel::*command)()) {
        if (!spec_.buttons.testFlag(b)) return;
        auto* button = new QPushButton(text, row);
        button->setAutoDefault(true);  // Enter on the focused button presses it
        for (const auto& [which, tip] : spec_.buttonTips)
            if (which == b) button->setToolTip(tip);
        connect(button, &QPushButton::clicked, this, command);
        layout->addWidget(button);
        buttons_.emplace_back(b, button);
    };
    add(ListButton::Insert, buttonCaption(ListButton::Insert), &ListPanel::insertRecord);
    add(ListButton::Change, buttonCaption(ListButton::Change), &ListPanel::changeRecord);
    add(ListButton::Delete, buttonCaption(ListButton::Delete), &ListPanel::deleteRecord);
    add(ListButton::Select, buttonCaption(ListButton::Select), &ListPanel::selectRecord);
    for (const ExtraButton& extra : spec_.extraButtons) {
        auto* button = new QPushButton(extra.text, row);
        button->setAutoDefault(true);
        button->setToolTip(extra.toolTip);
        if (!extra.shortcut.isEmpty()) button->setShortcut(extra.shortcut);
        connect(button, &QPushButton::clicked, this, [this, &extra] { extra.action(*this); });
        layout->addWidget(button);
        extras_.emplace_back(&extra, button);
    }
    add(ListButton::Close, buttonCaption(ListButton::Close), &ListPanel::closeList);
    add(ListButton::Help, buttonCaption(ListButton::Help), &ListPanel::showHelp);
    if (QPushButton* select = button(ListButton::Select)) {
        select->setVisible(selecting_ || !spec_.hideSelect);
        select->setDefault(selecting_);
        select->setAutoDefault(selecting_);
    }
    return row;
}

QString ListPanel::buttonCaption(ListButton b) const {
    for (const auto& [which, text] : spec_.buttonTexts)
        if (which == b) return text;
    return b == ListButton::Select ? spec_.selectText : QString::fromUtf8(buttonText(b));
}

// The values of the highlighted record shown under the rows: a title and a value each.
QWidget* ListPanel::buildBelow() {
    auto* box = new QWidget(this);
    auto* layout = new QFormLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const ColumnSpec& c : spec_.below) {
        auto* value = new QLabel(box);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setWordWrap(true);  // a long note stays within the window
        layout->addRow(c.title, value);
        below_.push_back(value);
    }
    return box;
}

void ListPanel::showBelow() {
    const RecordBuffer* rec = highlightedRecord();
    for (std::size_t i = 0; i < below_.size(); ++i)
        below_[i]->setText(rec || belowColumns_[i].typed ? QString::fromStdString(cellText(belowColumns_[i], rec ? *rec : seek_))
                                                         : QString());
}

void ListPanel::showExtraButtons() {
    for (const auto& [extra, button] : extras_) button->setVisible(extra->tab < 0 || extra->tab == tab_);
}

ListPanel* ListPanel::linkedPanel(const ListSpec& spec) const {
    for (QWidget* w = parentWidget(); w; w = w->parentWidget())
        if (auto* screen = qobject_cast<ListScreen*>(w)) return screen->panelOf(spec);
    return nullptr;
}

QPushButton* ListPanel::button(ListButton which) const {
    for (const auto& [b, button] : buttons_)
        if (b == which) return button;
    return nullptr;
}

const RecordBuffer* ListPanel::highlightedRecord() const {
    const PageRow* row = page_.highlighted();
    return row ? &row->rec : nullptr;
}

// Sets the page's order and limits from the current tab; a range that cannot be formed is
// reported (warning 36) and left out, together with the tab's filter.
void ListPanel::bindTab() {
    const TabSpec& tab = spec_.tabs[static_cast<std::size_t>(tab_)];
    seek_.clear();
    rangeFields_ = tab.range.fields;
    bool bound = true;
    sourceEmpty_ = false;
    if (rangeFields_ > 0) {
        const ListPanel* source = sourceOf(tab);
        const RecordBuffer* from = tab.range.fromForm ? owner_ : source ? source->highlightedRecord() : nullptr;
        sourceEmpty_ = tab.range.from && !from;
        bound = tab.range.bind && tab.range.bind(*this, from, seek_);
        if (!bound) {
            showWarning(ctx_.messages, ctx_.store, Warning::ViewOpenError);
            seek_.clear();
            rangeFields_ = 0;
        }
    }
    ListPage::Filter filter;
    if (bound && tab.filter) filter = [this, &tab](const RecordBuffer& rec) { return tab.filter.call(*this, rec); };
    page_.setSort(*tab.key, rangePrefix(*tab.key, rangeFields_, seek_.get()), std::move(filter));
    entry_->setVisible(tab.locator == Locator::Entry || tab.locatorEntry);
    showExtraButtons();
    stopsValid_ = false;
}

void ListPanel::setCurrentTab(int tab) {
    if (tab < 0 || tab >= static_cast<int>(spec_.tabs.size()) || tab == tab_) return;
    const std::optional<RecordBuffer> keep =
        highlightedRecord() ? std::optional<RecordBuffer>(page_.highlighted()->rec) : std::nullopt;
    tab_ = tab;
    locatorTexts_[static_cast<std::size_t>(tab)].clear();  // a tab is searched afresh
    tabs_->setCurrentIndex(tab);
    emit tabChanged(tab);
    if (keep) fillAt(*keep);
    else fillFirst();
}

void ListPanel::setRangeSource(ListPanel* source) {
    sources_.emplace_back(source);
    connect(source, &ListPanel::highlightChanged, this, [this, source] { sourceMoved(source); });
}

const ListPanel* ListPanel::sourceOf(const TabSpec& tab) const {
    for (const auto& s : sources_)
        if (s && tab.range.from == &s->spec()) return s;
    return nullptr;
}

void ListPanel::sourceMoved(const ListPanel* source) {
    if (spec_.tabs[static_cast<std::size_t>(tab_)].range.from == &source->spec()) fillFirst();
}

// Where a located value is: the range's components and the located one, the later ones left out
// (blank, a descending component would sort after the records sought); a located text is a
// prefix, so that "20" finds 2016 and 2015 on a descending year as "Hor" finds Horvat.
std::string ListPanel::locatorPrefix(const RecordBuffer& seek) const {
    const KeyDef& key = page_.key();
    const int fields = std::min(rangeFields_ + 1, static_cast<int>(key.parts.size()));
    std::string prefix = rangePrefix(key, fields, seek.get());
    const FieldDef* f = locatorField();
    constexpr std::size_t terminator = 3;  // the weight that ends an encoded text
    if (f && f->isText() && prefix.size() >= terminator) prefix.resize(prefix.size() - terminator);
    return prefix;
}

void ListPanel::fillFirst() {
    bindTab();
    page_.setCapacity(view_->rowsThatFit());
    if (check(page_.first())) showPage();
}

void ListPanel::fillAt(const RecordBuffer& rec) {
    bindTab();
    page_.setCapacity(view_->rowsThatFit());
    if (check(page_.locate(ctx_.store.positionRaw(*spec_.table, &page_.key(), rec.get()), 0))) showPage();
}

void ListPanel::refresh() {
    stopsValid_ = false;
    if (check(page_.refresh())) showPage();
}

void ListPanel::resized() {
    const int rows = view_->rowsThatFit();
    if (rows == page_.capacity()) return;
    page_.setCapacity(rows);
    if (!page_.empty()) refresh();
}

void ListPanel::showPage() {
    model_->reload();
    widenColumns();
    showHighlight();
}

// A column narrower than a value it now shows is widened to show it whole (never narrowed).
void ListPanel::widenColumns() {
    const QFontMetrics metrics = view_->fontMetrics();
    for (const PageRow& row : page_.rows()) {
        for (std::size_t i = 0; i < row.cells.size(); ++i) {
            const int need = metrics.horizontalAdvance(QString::fromStdString(row.cells[i])) + 12;
            if (need > view_->columnWidth(static_cast<int>(i))) view_->setColumnWidth(static_cast<int>(i), need);
        }
    }
}

void ListPanel::showHighlight() {
    view_->highlight(page_.current());
    const bool empty = page_.empty();
    const bool canEdit = spec_.form != nullptr;
    if (auto* b = button(ListButton::Insert)) b->setEnabled(canEdit && !sourceEmpty_);
    if (auto* b = button(ListButton::Change)) b->setEnabled(canEdit && !empty);
    if (auto* b = button(ListButton::Delete)) b->setEnabled(canEdit && !empty);
    if (auto* b = button(ListButton::Select)) b->setEnabled(selecting_ && !empty);
    updateThumb();
    showBelow();  // also after the same record changed
    const std::int64_t id = empty ? 0 : page_.highlighted()->pos.id;
    if (id == shownId_) return;
    shownId_ = id;
    emit highlightChanged();
    if (spec_.hooks.highlightChanged) spec_.hooks.highlightChanged(*this);
}

// A read error other than the end of the range ends the screen after warning 35.
bool ListPanel::check(StoreCode rc) {
    if (ok(rc)) return true;
    showWarning(ctx_.messages, ctx_.store, Warning::RetrievalError, spec_.table->label);
    emit closeRequested();
    return false;
}

void ListPanel::readCells(const RecordBuffer& rec, std::vector<std::string>& cells) {
    cells.clear();
    for (const Column& c : columns_) cells.push_back(cellText(c, rec));
}

std::string ListPanel::cellText(const Column& c, const RecordBuffer& rec) {
    if (c.typed) return typedText();
    if (c.compute) return c.compute.call(ctx_.store, rec);
    if (!c.lookupKey) return fieldText(*c.field, rec.get(), c.format);
    RecordBuffer linked(*c.lookupKey->table);
    const bool found = ok(readLinked(ctx_.store, *c.lookupKey, c.field->getInt(rec.get()), linked));
    return found ? fieldText(*c.shown, linked.get(), c.format) : "";
}

void ListPanel::insertRecord() { callForm(Request::Insert); }
void ListPanel::changeRecord() { callForm(Request::Change); }
void ListPanel::deleteRecord() { callForm(Request::Delete); }

// Calls the list's form on a new record (primed with the tab's range) or on the highlighted one,
// read afresh; then the list moves to the record saved, or refreshes in place.
void ListPanel::callForm(Request request) {
    if (!spec_.form || (request == Request::Insert && sourceEmpty_)) return;
    RecordBuffer rec = seek_;
    if (request == Request::Insert) {
        if (spec_.hooks.primeInsert) spec_.hooks.primeInsert.call(*this, rec);
    } else {
        const PageRow* row = page_.highlighted();
        if (!row) return;
        const StoreCode rc = ctx_.store.regetRaw(*spec_.table, row->pos, rec.get());
        if (rc == StoreCode::NotFound) return refresh();  // another station deleted it meanwhile
        if (!check(rc)) return;
    }
    const Response response = pramo::callForm(ctx_, *spec_.form, request, rec, this);
    stopsValid_ = false;
    if (response == Response::Completed && request != Request::Delete) {
        const Position saved = ctx_.store.positionRaw(*spec_.table, &page_.key(), rec.get());
        if (check(page_.locate(saved, page_.current()))) showPage();
    } else {
        refresh();
    }
    if (spec_.hooks.afterForm) spec_.hooks.afterForm(*this, request, response);
    emit formReturned(request, response);
}

void ListPanel::selectRecord() {
    const PageRow* row = page_.highlighted();
    if (!selecting_ || !row) return;
    emit selected();
}

void ListPanel::closeList() { emit closeRequested(); }

}  // namespace pramo
