// The keyboard, mouse wheel, popup menu, locators and scroll thumb of a list.

#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>

#include "shell/list/list_panel.h"
#include "shell/list/page_view.h"
#include "shell/list/thumb_stops.h"

namespace pramo {
namespace {

constexpr std::size_t locatorLength = 30;  // characters of the incremental locator's text
constexpr int rowsPerWheelStep = 3;

void dropLastCharacter(std::string& s) {
    while (!s.empty()) {
        const auto c = static_cast<unsigned char>(s.back());
        s.pop_back();
        if ((c & 0xC0) != 0x80) break;  // the first byte of the character
    }
}

// Esc and Ctrl+F4 close the list; the rows take them before any shortcut of the frame does.
bool closesList(const QKeyEvent* key) {
    const auto mods = key->modifiers() & ~Qt::KeypadModifier;
    return (key->key() == Qt::Key_Escape && mods == Qt::NoModifier) || (key->key() == Qt::Key_F4 && mods == Qt::ControlModifier);
}

}  // namespace

bool ListPanel::eventFilter(QObject* watched, QEvent* event) {
    // A list on a form closes nothing of its own: Esc goes on to the form, which cancels.
    const bool closes = watched == view_ && !owner_ && (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) &&
                        closesList(static_cast<QKeyEvent*>(event));
    if (closes && event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (closes) {
        closeList();
        return true;
    }
    if (watched == view_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        for (const ListKey& own : spec_.keys) {
            if (own.key != key->keyCombination()) continue;
            own.action(*this);
            return true;
        }
        return navigationKey(key->key()) || commandKey(key);
    }
    if (watched == view_ && event->type() == QEvent::FocusIn) {
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) refresh();
        return false;
    }
    if (watched == view_->viewport() && event->type() == QEvent::Wheel) {
        const int notches = static_cast<QWheelEvent*>(event)->angleDelta().y() / 120;
        for (int i = 0; i < rowsPerWheelStep * std::abs(notches); ++i) move(notches > 0 ? &ListPage::up : &ListPage::down);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool ListPanel::navigationKey(int key) {
    StoreCode (ListPage::*step)() = nullptr;
    switch (key) {
    case Qt::Key_Up: step = &ListPage::up; break;
    case Qt::Key_Down: step = &ListPage::down; break;
    case Qt::Key_PageUp: step = &ListPage::pageUp; break;
    case Qt::Key_PageDown: step = &ListPage::pageDown; break;
    case Qt::Key_Home: step = &ListPage::first; break;
    case Qt::Key_End: step = &ListPage::last; break;
    default: return false;
    }
    locatorTexts_[static_cast<std::size_t>(tab_)].clear();
    move(step);
    return true;
}

bool ListPanel::commandKey(QKeyEvent* key) {
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (key->key() == Qt::Key_Insert) insertRecord();
    else if (key->key() == Qt::Key_Delete) deleteRecord();
    else if (enter && selecting_ && !(key->modifiers() & Qt::ControlModifier)) selectRecord();
    else if (enter && owner_ && !(key->modifiers() & Qt::ControlModifier)) return false;  // on a form: its OK, as in its fields
    else if (enter) changeRecord();  // Ctrl+Enter changes in select mode too
    else if (key->key() == Qt::Key_Backspace) backspaceLocator();
    else if (!key->text().isEmpty() && key->text().at(0).isPrint() &&
             !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        typeLocator(key->text());
    else return false;
    return true;
}

void ListPanel::move(StoreCode (ListPage::*step)()) {
    if (check((page_.*step)())) showPage();
}

// The first key component that the tab's range leaves free; null when the range fixes them all.
const FieldDef* ListPanel::locatorField() const {
    const KeyDef& key = page_.key();
    if (rangeFields_ >= static_cast<int>(key.parts.size())) return nullptr;
    return &key.table->fields[static_cast<std::size_t>(key.fieldIndex[static_cast<std::size_t>(rangeFields_)])];
}

// The locator field gets `value` (a number field the number it reads as, else 0).
void ListPanel::setLocatorValue(RecordBuffer& seek, const std::string& value) const {
    const FieldDef* f = locatorField();
    if (!f) return;
    const auto parsed = parseField(*f, value);
    if (f->isText()) f->setText(seek.get(), value);
    else f->setInt(seek.get(), parsed ? parsed->number : 0);
}

void ListPanel::locateSeek(const RecordBuffer& seek) {
    const Position at{&page_.key(), locatorPrefix(seek), 0};
    if (check(page_.locate(at, page_.current()))) showPage();
}

void ListPanel::typeLocator(const QString& text) {
    const Locator kind = spec_.tabs[static_cast<std::size_t>(tab_)].locator;
    if (kind == Locator::Step) return stepLocate(text.left(1));
    if (kind != Locator::Incremental) return;
    std::string& typed = locatorTexts_[static_cast<std::size_t>(tab_)];
    for (const QChar c : text)
        if (utf8::length(typed) < locatorLength) typed += QString(c).toStdString();
    RecordBuffer seek = seek_;
    setLocatorValue(seek, typed);
    locateSeek(seek);
}

void ListPanel::backspaceLocator() {
    if (spec_.tabs[static_cast<std::size_t>(tab_)].locator != Locator::Incremental) return;
    std::string& typed = locatorTexts_[static_cast<std::size_t>(tab_)];
    dropLastCharacter(typed);
    RecordBuffer seek = seek_;
    setLocatorValue(seek, typed);
    locateSeek(seek);
}

// A typed character moves one row down when the highlighted record starts with it; if the record
// then highlighted does not, the list goes to the first record at or after the character.
void ListPanel::stepLocate(const QString& ch) {
    const FieldDef* f = locatorField();
    if (!f) return;
    const std::string typed = ch.toStdString();
    const auto startsWithTyped = [&] {
        const PageRow* row = page_.highlighted();
        return row && startsWithIgnoringCase(fieldText(*f, row->rec.get()), typed);
    };
    if (startsWithTyped() && !check(page_.down())) return;
    if (startsWithTyped()) return showPage();
    RecordBuffer seek = seek_;
    setLocatorValue(seek, typed);
    locateSeek(seek);
}

// The thumb's stops for the current tab: fixed for a surname key, else spread between the
// first and last record in range. False after a read error (the screen is ending).
bool ListPanel::computeStops() {
    if (stopsValid_) return true;
    const FieldDef* f = locatorField();
    textStops_.clear();
    numberStops_.clear();
    if (f && spec_.tabs[static_cast<std::size_t>(tab_)].stops == ThumbStops::Surname) {
        textStops_ = thumb::surnameStops();
    } else if (f) {
        RecordBuffer first(*spec_.table), last(*spec_.table);
        bool foundFirst = false, foundLast = false;
        if (!check(page_.edge(false, first, foundFirst)) || !check(page_.edge(true, last, foundLast))) return false;
        if (foundFirst && foundLast && f->isText())
            textStops_ = thumb::textStops(fieldText(*f, first.get()), fieldText(*f, last.get()));
        else if (foundFirst && foundLast)
            numberStops_ = thumb::numberStops(f->getInt(first.get()), f->getInt(last.get()));
    }
    stopsValid_ = true;
    return true;
}

void ListPanel::moveThumb(int position) {
    locatorTexts_[static_cast<std::size_t>(tab_)].clear();
    if (position <= 1) return move(&ListPage::first);
    if (position >= thumb::stops) return move(&ListPage::last);
    if (!computeStops()) return;
    const FieldDef* f = locatorField();
    const auto k = static_cast<std::size_t>(position - 1);
    RecordBuffer seek = seek_;
    if (f && !textStops_.empty()) f->setText(seek.get(), textStops_[k]);
    else if (f && !numberStops_.empty()) f->setInt(seek.get(), numberStops_[k]);
    else return;
    locateSeek(seek);
}

void ListPanel::thumbAction(int action) {
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: return move(&ListPage::down);
    case QAbstractSlider::SliderSingleStepSub: return move(&ListPage::up);
    case QAbstractSlider::SliderPageStepAdd: return move(&ListPage::pageDown);
    case QAbstractSlider::SliderPageStepSub: return move(&ListPage::pageUp);
    case QAbstractSlider::SliderToMinimum: return move(&ListPage::first);
    case QAbstractSlider::SliderToMaximum: return move(&ListPage::last);
    case QAbstractSlider::SliderMove: return moveThumb(thumb_->sliderPosition());
    default: return;
    }
}

// The thumb follows the highlighted record (not while the user drags it).
void ListPanel::updateThumb() {
    if (thumb_->isSliderDown()) return;
    int position = 1;
    const FieldDef* f = locatorField();
    if (const PageRow* row = page_.highlighted(); row && f && computeStops()) {
        if (!textStops_.empty()) position = thumb::positionOf(textStops_, fieldText(*f, row->rec.get()));
        else if (!numberStops_.empty()) position = thumb::positionOf(numberStops_, f->getInt(row->rec.get()));
    }
    const QSignalBlocker block(thumb_);
    thumb_->setSliderPosition(position);
    thumb_->setValue(position);
}

QMenu* ListPanel::buildPopupMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    const std::vector<void (ListPanel::*)()> commands{&ListPanel::insertRecord, &ListPanel::changeRecord,
                                                     &ListPanel::deleteRecord, &ListPanel::selectRecord};
    const QStringList items = QString::fromStdString(popupMenuText(page_.empty(), selecting_)).split('|');
    std::size_t command = 0;
    for (const QString& item : items) {
        if (item == "-") {
            menu->addSeparator();
            continue;
        }
        const bool greyed = item.startsWith('~') || (command < 3 && !spec_.form) || (command == 0 && sourceEmpty_);
        QAction* action = menu->addAction(item.startsWith('~') ? item.mid(1) : item);
        action->setEnabled(!greyed);
        connect(action, &QAction::triggered, this, commands[command++]);
    }
    return menu;
}

void ListPanel::showHelp() {
    MessageBox box;
    box.title = spec_.caption.toStdString();
    box.icon = Icon::Information;
    box.text = "Insert - unos, Ctrl+Enter ili dvoklik - promjene, Delete - brisanje, desna tipka miša - izbornik.";
    const Locator kind = spec_.tabs[static_cast<std::size_t>(tab_)].locator;
    if (kind == Locator::Step || kind == Locator::Incremental) box.text += "\nSlog locirate upisujući njegova prva slova.";
    ctx_.messages.ask(box);
}

}  // namespace pramo
