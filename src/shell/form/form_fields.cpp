// The fields of a form: building their widgets, showing the record in them, accepting typed
// values, stepping, ditto and look-ups.

#include <QApplication>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QTimer>
#include <algorithm>

#include "shell/form/entry_check.h"
#include "shell/form/form_field.h"
#include "shell/list/list_screen.h"
#include "shell/form/record_form.h"

namespace pramo {
namespace {

bool allowedInNumber(const FieldDef& f, QChar c) {
    if (c.isDigit()) return true;
    if (f.type == FieldType::Date) return c == '.';
    if ((c == '-' && f.minValue() < 0) || c == '+') return true;
    return f.type == FieldType::Decimal && f.places > 0 && (c == ',' || c == '.');
}

const FieldDef& firstFieldOf(const KeyDef& key) {
    return key.table->fields[static_cast<std::size_t>(key.fieldIndex.front())];
}

// A number field's value in whole units (a decimal field holding a whole number gives its units).
std::int64_t wholeUnits(const FieldDef& f, const void* rec) {
    const std::int64_t v = f.getInt(rec);
    return f.type == FieldType::Decimal ? v / pow10i(f.places) : v;
}

// The record of `key`'s file that the look-up field `f` of `rec` names, into `linked`.
StoreCode readLookedUp(Store& store, const KeyDef& key, const FieldDef& f, const void* rec, RecordBuffer& linked) {
    const FieldDef& target = firstFieldOf(key);
    if (!target.isText()) return readLinked(store, key, wholeUnits(f, rec), linked);
    linked.clear();
    target.setText(linked.get(), f.isText() ? std::string(f.getText(rec)) : std::to_string(wholeUnits(f, rec)));
    return store.getRaw(key, linked.get());
}

// The look-up field `f` of `rec` takes the value of the record chosen.
void takeLookedUp(const KeyDef& key, const RecordBuffer& linked, const FieldDef& f, void* rec) {
    const FieldDef& source = firstFieldOf(key);
    if (f.isText()) return f.setText(rec, source.isText() ? std::string(source.getText(linked.get())) : std::to_string(source.getInt(linked.get())));
    const std::int64_t units = source.isText() ? parseField(f, source.getText(linked.get())).value_or(FieldValue{}).number
                                               : source.getInt(linked.get());
    f.setInt(rec, f.type == FieldType::Decimal && !source.isText() ? units * pow10i(f.places) : units);
}

// As wide as the field's longest value (at most 40 characters), so that short fields look short.
int entryWidth(const QLineEdit& entry, const FieldDef& f, int maxLength) {
    int chars = f.isText() ? (maxLength > 0 ? std::min(maxLength, f.size) : f.size)
                           : static_cast<int>(std::to_string(f.maxValue()).size()) + 2;
    chars = std::clamp(chars, 3, 40);
    // Digits are wider than the average character in most fonts, and an entry full of them
    // (an OIB, an account) must still show whole.
    const QFontMetrics& m = entry.fontMetrics();
    const int perChar = std::max(m.averageCharWidth(), m.horizontalAdvance(QLatin1Char('0')));
    return perChar * (chars + 1) + 16;
}

bool focusLeftByUser(Qt::FocusReason r) {
    return r != Qt::PopupFocusReason && r != Qt::ActiveWindowFocusReason;
}

}  // namespace

QValidator::State FieldPicture::validate(QString& input, int&) const {
    for (const QChar c : input)
        if (!allowedInNumber(field_, c)) return Invalid;
    if (input.size() > field_.size + 24) return Invalid;
    return parseField(field_, input.toStdString()) ? Acceptable : Intermediate;
}

QWidget* FormScreen::buildField(Field& f, QWidget* page) {
    const FieldSpec& fs = *f.spec;
    if (fs.kind == FieldKind::Entry || fs.kind == FieldKind::Options) f.def = &pramo::fieldOf(*spec_.table, fs.field);
    f.row = new QWidget(page);
    auto* layout = new QHBoxLayout(f.row);
    layout->setContentsMargins(0, 0, 0, 0);
    if (fs.kind == FieldKind::Button) {
        f.button = new QPushButton(fs.label, f.row);
        f.button->setAutoDefault(true);  // Enter on the focused button presses it, not the form's OK
        connect(f.button, &QPushButton::clicked, this, [this, &fs] { fs.action(*this); });
        layout->addWidget(f.button);
        if (fs.shown) {
            f.shown = new QLabel(f.row);
            layout->addWidget(f.shown);
        }
    } else if (fs.kind == FieldKind::List) {
        f.list = new ListPanel(ctx_, *fs.list, false, f.row);
        f.list->setOwner(&record());
        f.list->setHeadingVisible(true);
        layout->addWidget(f.list, 1);
    } else if (fs.kind == FieldKind::Shown) {
        f.shown = new QLabel(f.row);
        f.shown->setWordWrap(fs.wrap);
        layout->addWidget(f.shown, fs.wrap ? 1 : 0);
    } else if (fs.kind == FieldKind::Options) {
        buildOptions(f, layout);
    } else {
        buildEntry(f, layout);
    }
    if (fs.kind != FieldKind::List) layout->addStretch(1);  // the row's widgets keep to the left at their own widths
    return f.row;
}

void FormScreen::buildOptions(Field& f, QHBoxLayout* layout) {
    f.options = f.row;
    f.group = new QButtonGroup(f.row);
    QBoxLayout* buttons = layout;
    if (f.spec->vertical) {
        buttons = new QVBoxLayout;
        layout->addLayout(buttons);
    }
    for (std::size_t i = 0; i < f.spec->options.size(); ++i) {
        auto* radio = new QRadioButton(f.spec->options[i].text, f.row);
        radio->installEventFilter(this);
        f.group->addButton(radio, static_cast<int>(i));
        buttons->addWidget(radio);
    }
    connect(f.group, &QButtonGroup::idClicked, this, [this, &f](int id) {
        if (const auto v = parseField(*f.def, f.spec->options[static_cast<std::size_t>(id)].value))
            setField(*f.def, record().get(), *v);
        changed(f);
    });
}

// An entry, with its look-up button before it, its step buttons and the linked record's field after.
void FormScreen::buildEntry(Field& f, QHBoxLayout* layout) {
    const FieldSpec& fs = *f.spec;
    if (lookupList(fs)) {
        f.button = new QPushButton(fs.lookup.buttonText, f.row);
        f.button->setAutoDefault(true);  // Enter on the focused look-up opens it, not the form's OK
        connect(f.button, &QPushButton::clicked, this, [this, &fs] { openLookup(fs.field); });
        layout->addWidget(f.button);
    }
    f.entry = new QLineEdit(f.row);
    f.entry->setObjectName(QString::fromUtf8(fs.field.data(), static_cast<int>(fs.field.size())));
    f.entry->setReadOnly(fs.readOnly);
    f.entry->setToolTip(fs.toolTip);
    if (f.def->isText()) f.entry->setMaxLength(fs.maxLength > 0 ? std::min(fs.maxLength, f.def->size) : f.def->size);
    else f.entry->setValidator(new FieldPicture(*f.def, f.entry));
    f.entry->installEventFilter(this);
    f.entry->setFixedWidth(entryWidth(*f.entry, *f.def, fs.maxLength));
    layout->addWidget(f.entry);
    // Tab reaches the entry first where the entry opens the list by itself, the button after it.
    if (f.button && fs.lookup.openWhenUnmatched) QWidget::setTabOrder(f.entry, f.button);
    for (const StepButton& s : fs.steps) {
        auto* b = new QToolButton(f.row);
        b->setText(s.text);
        b->setArrowType(s.arrow);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QToolButton::clicked, this, [this, &f, d = s.delta] { step(f, d); });
        f.steps.push_back(b);
        layout->addWidget(b);
    }
    if (fs.lookup.key && !fs.lookup.shown.empty()) {
        f.shown = new QLabel(f.row);
        layout->addWidget(f.shown);
    }
}

FormScreen::Field* FormScreen::fieldOf(std::string_view name) {
    for (auto& f : fields_)
        if (f->spec->field == name && !name.empty()) return f.get();
    return nullptr;
}

FormScreen::Field* FormScreen::fieldOf(const QObject* widget) {
    for (auto& f : fields_) {
        if (f->entry == widget) return f.get();
        if (!f->group) continue;
        for (const QAbstractButton* b : f->group->buttons())
            if (b == widget) return f.get();
    }
    return nullptr;
}

QWidget* FormScreen::editor(std::string_view field) const {
    for (const auto& f : fields_)
        if (f->spec->field == field) return f->entry ? static_cast<QWidget*>(f->entry) : f->options;
    return nullptr;
}

void FormScreen::focusField(std::string_view field) {
    if (QWidget* w = editor(field)) w->setFocus();
}

void FormScreen::setFieldEnabled(std::string_view field, bool enabled) {
    if (Field* f = fieldOf(field)) {
        f->row->setEnabled(enabled);
        if (f->label) f->label->setEnabled(enabled);
    }
}

void FormScreen::refreshFields() {
    for (auto& f : fields_) refreshField(*f);
}

void FormScreen::refreshField(Field& f, bool keepTyped) {
    const void* rec = record().get();
    if (f.entry && !(keepTyped && f.entry->isModified())) {
        f.entry->setText(QString::fromStdString(fieldText(*f.def, rec, f.spec->format)));
        f.entry->setCursorPosition(0);  // a text longer than the entry shows its beginning
    }
    if (f.group) {
        const std::string value = fieldText(*f.def, rec);
        for (std::size_t i = 0; i < f.spec->options.size(); ++i)
            f.group->button(static_cast<int>(i))->setChecked(f.spec->options[i].value == value);
    }
    if (f.shown && f.spec->shown) f.shown->setText(f.spec->shown(*this));
    else if (f.shown && f.spec->lookup.key) {
        RecordBuffer linked(*f.spec->lookup.key->table);
        const bool found = ok(readLookedUp(ctx_.store, *f.spec->lookup.key, *f.def, rec, linked));
        const FieldDef& shown = pramo::fieldOf(linked.table(), f.spec->lookup.shown);
        f.shown->setText(found ? QString::fromStdString(fieldText(shown, linked.get())) : QString());
    }
}

// Takes the entry's text into the record; a text the field cannot take is rejected, and so is 0
// in the record's number.
bool FormScreen::acceptEntry(Field& f) {
    const std::string typed = f.entry->text().toStdString();
    const std::string fault = entryFault(*f.def, f.spec->label, typed, aloneInUniqueKey(*spec_.table, *f.def));
    if (!fault.empty()) {
        rejectEntry(f, fault);
        return false;
    }
    const auto v = parseField(*f.def, typed);
    const std::string before = fieldText(*f.def, record().get());
    setField(*f.def, record().get(), *v);
    refreshField(f);
    if (fieldText(*f.def, record().get()) != before) changed(f);
    return true;
}

// Says why, once the focus has moved on, and brings the focus back to the entry.
void FormScreen::rejectEntry(Field& f, const std::string& fault) {
    QApplication::beep();
    emit entryRejected(QString::fromUtf8(f.spec->field.data(), static_cast<int>(f.spec->field.size())));
    QTimer::singleShot(0, f.entry, [this, e = f.entry, fault] {
        MessageBox box;
        box.title = windowTitle().toStdString();
        box.text = fault;
        ctx_.messages.ask(box);
        e->setFocus(Qt::OtherFocusReason);
    });
}

// After a field's value changed: the form's hook, then every field shows the record again,
// except for what the user has typed into other entries and not yet left.
void FormScreen::changed(Field& f) {
    if (spec_.hooks.accepted) spec_.hooks.accepted(*this, f.spec->field);
    for (auto& other : fields_) refreshField(*other, other.get() != &f);
}

void FormScreen::step(Field& f, int delta) {
    if (f.def->isText()) return stepText(f, delta);
    const std::string typed = f.entry->text().toStdString();
    const auto v = parseField(*f.def, typed);
    if (!v) return rejectEntry(f, entryFault(*f.def, f.spec->label, typed, false));
    const std::int64_t unit = f.def->type == FieldType::Decimal ? pow10i(f.def->places) : 1;
    const std::int64_t stepped = std::clamp(v->number + delta * unit, f.def->minValue(), f.def->maxValue());
    f.def->setInt(record().get(), stepped);
    refreshField(f);
    changed(f);
}

// A text of digits steps as the number it writes and keeps its width ("09" + 1 is "10"); a text
// that is not a number, or that would no longer fit, stays as it is.
void FormScreen::stepText(Field& f, int delta) {
    const std::string typed(utf8::trimRight(f.entry->text().toStdString()));
    const bool digits = !typed.empty() && typed.size() <= 18 && typed.find_first_not_of("0123456789") == std::string::npos;
    const std::int64_t stepped = digits ? std::stoll(typed) + delta : -1;
    std::string text = stepped < 0 ? std::string() : std::to_string(stepped);
    if (text.empty() || text.size() > static_cast<std::size_t>(f.def->size)) return QApplication::beep();
    if (text.size() < typed.size()) text.insert(0, typed.size() - text.size(), '0');
    f.def->setText(record().get(), text);
    refreshField(f);
    changed(f);
}

void FormScreen::ditto(Field& f) {
    if (!f.spec->ditto || !f.def) return;
    const void* from = form_->history().get();
    if (f.def->isText()) f.def->setText(record().get(), std::string(f.def->getText(from)));
    else f.def->setInt(record().get(), f.def->getInt(from));
    refreshField(f);
    changed(f);
}

bool FormScreen::lookupMissing(Field& f) {
    RecordBuffer linked(*f.spec->lookup.key->table);
    return readLookedUp(ctx_.store, *f.spec->lookup.key, *f.def, record().get(), linked) == StoreCode::NotFound;
}

const ListSpec* FormScreen::lookupList(const FieldSpec& fs) const {
    if (fs.lookup.list || !fs.lookup.registered || !fs.lookup.key) return fs.lookup.list;
    return registeredChooser(ctx_, *fs.lookup.key->table);
}

bool FormScreen::lookupAllowed(Field& f) {
    return !f.spec->lookup.allowed || f.spec->lookup.allowed(*this);
}

void FormScreen::openLookup(std::string_view field) {
    Field* f = fieldOf(field);
    if (!f || !lookupList(*f->spec) || !f->spec->lookup.key || !acceptEntry(*f) || !lookupAllowed(*f)) return;
    runLookup(*f);
}

void FormScreen::runLookup(Field& f) {
    const KeyDef& key = *f.spec->lookup.key;
    RecordBuffer linked(*key.table);
    if (!ok(readLookedUp(ctx_.store, key, *f.def, record().get(), linked))) linked.clear();
    const ListSpec* list = lookupList(*f.spec);
    if (list && selectRecord(ctx_, *list, linked, this) == Response::Completed) {
        takeLookedUp(key, linked, *f.def, record().get());
        refreshField(f);
        focusFieldAfter(f);  // typing goes on where Tab would take it; a hook may send it elsewhere
        changed(f);
        if (spec_.hooks.lookedUp) spec_.hooks.lookedUp(*this, f.spec->field);
    }
    if (f.spec->lookup.after) f.spec->lookup.after(*this);
}

// A record the form cannot be without (a return's payer): while the entry names none, the list
// opens to choose one; false when none was chosen.
bool FormScreen::lookedUpIfRequired(Field& f) {
    if (!f.spec->lookup.required || !lookupMissing(f)) return true;
    runLookup(f);
    return !lookupMissing(f);
}

// The entry got the focus: a value no record has opens the list; a matched one runs what follows a look-up.
void FormScreen::lookupOnFocus(std::string_view field) {
    Field* f = fieldOf(field);
    if (closing_ || !f || !lookupAllowed(*f)) return;
    if (lookupMissing(*f)) runLookup(*f);
    else if (f->spec->lookup.after) f->spec->lookup.after(*this);
}

bool FormScreen::eventFilter(QObject* watched, QEvent* event) {
    Field* f = closing_ ? nullptr : fieldOf(watched);
    if (!f) return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Apostrophe && (key->modifiers() & Qt::ControlModifier)) {
            ditto(*f);
            return true;
        }
        const bool keypad = key->modifiers() & Qt::KeypadModifier;
        if (f->entry && keypad && f->spec->keypadStep != 0 && (key->key() == Qt::Key_Plus || key->key() == Qt::Key_Minus)) {
            step(*f, key->key() == Qt::Key_Plus ? f->spec->keypadStep : -f->spec->keypadStep);
            return true;
        }
        const int delta = key->key() == Qt::Key_Up ? f->spec->upKey : key->key() == Qt::Key_Down ? f->spec->downKey : 0;
        if (f->entry && delta != 0) {
            step(*f, delta);
            return true;
        }
    } else if (event->type() == QEvent::FocusOut && f->entry && !f->entry->isReadOnly()) {
        if (focusLeftByUser(static_cast<QFocusEvent*>(event)->reason())) acceptEntry(*f);
    } else if (event->type() == QEvent::FocusIn && f->entry && f->spec->lookup.openWhenUnmatched && !opening_) {
        if (focusLeftByUser(static_cast<QFocusEvent*>(event)->reason()))
            QTimer::singleShot(0, this, [this, name = f->spec->field] { lookupOnFocus(name); });
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace pramo
