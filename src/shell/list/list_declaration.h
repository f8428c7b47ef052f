#pragma once
// A list screen declared as data: its file, its sorts (tabs), columns, buttons and the form it
// calls. One generic list screen runs every declaration; what a particular list adds beyond the
// common behaviour goes into its named hooks, each typed by the record it works on. For example
// (the printer parameters in preview/ui/printer_params.cpp are a complete one):
//
//   const ListSpec mjestaList{
//       .table = &Mjesta::table, .caption = "Pregled mjesta",
//       .tabs = {{.key = &Mjesta::keyNaziv, .locator = Locator::Step}},
//       .columns = {column("Naziv", "NAZIV"), lookup("Grad / općina", "OPCINA", Opcine::keyOznaka, "NAZIV")},
//       .form = &upisMjesta};
//
// A menu item opens it through one line in its subsystem's screen registration
// (registry.add(MenuCommand::Mjesta, mjestaList); see shell/screen_registry.h); a form's look-up or
// another screen chooses from it with selectRecord(ctx, mjestaList, rec, parent).

#include <QFlags>
#include <QKeySequence>
#include <QString>
#include <functional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "records/store/table_def.h"
#include "shell/globals.h"
#include "shell/form/record_buffer.h"

namespace pramo {

class ListPanel;
class Store;
struct FormSpec;
struct ListSpec;

// How typing in the list finds a record (on the first key component the tab's range leaves free).
enum class Locator {
    None,
    Step,         // a letter moves to the next record starting with it, else to the first at or after it
    Incremental,  // typed letters build a search text (at most 30 characters) located at once
    Entry,        // an entry field above the list, located when its value is accepted
};

// The thumb's 100 stops: spread evenly between the first and last record, or the fixed
// two-letter stops of a surname key.
enum class ThumbStops { Even, Surname };

// A hook over records of one file, made from a function on the record's own type R by the makers
// below (rowsWhere<R>, computed<R>, primeWith<R>). It keeps R's file, so that the declaration
// check can tell that R is the list's file; the generic list hands it its records as buffers.
template <class Signature>
struct RecordHook {
    const TableDef* table = nullptr;  // R's file
    std::function<Signature> call{};
    explicit operator bool() const { return static_cast<bool>(call); }
};

using RowFilter = RecordHook<bool(const ListPanel&, const RecordBuffer&)>;
using CellText = RecordHook<std::string(Store&, const RecordBuffer&)>;
using InsertPrimer = RecordHook<void(ListPanel&, RecordBuffer&)>;

// The records a tab shows: rowsWhere<Isplate>([](const Isplate& isp) { return isp.godina == "2015"; }),
// or with the list at hand: rowsWhere<Isplate>([](const ListPanel& list, const Isplate& isp) { ... }).
template <Record R, class F>
RowFilter rowsWhere(F f) {
    if constexpr (std::is_invocable_r_v<bool, F, const ListPanel&, const R&>)
        return {&R::table, [f](const ListPanel& list, const RecordBuffer& rec) { return f(list, rec.as<R>()); }};
    else
        return {&R::table, [f](const ListPanel&, const RecordBuffer& rec) { return f(rec.as<R>()); }};
}

// The leading key components that every record of a tab shares, for example the payees of one
// place. They come from the highlighted record of another list (`from`, shown on this tab), or,
// without one, from the screen's state. Made by rangeFrom or rangeBy below.
struct RangeSpec {
    int fields = 0;                         // how many leading key components are fixed
    const ListSpec* from = nullptr;         // the list whose highlighted record gives them
    bool fromForm = false;                  // they come from the record of the form the list is shown in
    const TableDef* table = nullptr;        // the record type `bind` fills: the list's file
    const TableDef* fromTable = nullptr;    // the record type it reads from `from`: that list's file
    std::vector<std::string_view> names{};  // fields named by rangeFrom(from, field, fromField)
    // Sets the fixed components in `seek`, a cleared record of the list's file; `fromRec` is the
    // highlighted record of `from` (null when it shows nothing, or without `from`). Answers false
    // when the range cannot be formed: the list shows warning 36 and runs without its range and
    // filter.
    std::function<bool(const ListPanel& list, const RecordBuffer* fromRec, RecordBuffer& seek)> bind{};
};

// A range of one component: `field` of this list's file equals `fromField` of the highlighted
// record of `from` (for example the payees whose MJESTO is the highlighted place's OZNAKA).
RangeSpec rangeFrom(const ListSpec& from, std::string_view field, std::string_view fromField);

// A range of `fields` components set from the highlighted record of `from` (null when it shows
// nothing): rangeFrom<Mjesta, Opcine>(opcineList, 1, [](const ListPanel&, const Opcine* opc, Mjesta& seek) {
//     if (opc) seek.opcina = opc->oznaka; return true; }).
template <Record R, Record From, class F>
RangeSpec rangeFrom(const ListSpec& from, int fields, F f) {
    return {.fields = fields, .from = &from, .table = &R::table, .fromTable = &From::table,
            .bind = [f](const ListPanel& list, const RecordBuffer* fromRec, RecordBuffer& seek) {
                return f(list, fromRec ? &fromRec->as<From>() : nullptr, seek.as<R>());
            }};
}

// A range of `fields` components set from the screen's state (a year chosen, a payer):
// rangeBy<Isplate>(1, [](const ListPanel& list, Isplate& seek) { seek.isplatitelj = ...; return true; }).
template <Record R, class F>
RangeSpec rangeBy(int fields, F f) {
    return {.fields = fields, .table = &R::table,
            .bind = [f](const ListPanel& list, const RecordBuffer*, RecordBuffer& seek) { return f(list, seek.as<R>()); }};
}

// A range of `fields` components set from the record of the form the list is shown in (a payment's
// income items on the payment form): rangeFromForm<Dohoci, Isplate>(1, [](const Isplate& isp, Dohoci& seek) {
//     seek.isplata = isp.oznaka; }).
template <Record R, Record Owner, class F>
RangeSpec rangeFromForm(int fields, F f) {
    return {.fields = fields, .fromForm = true, .table = &R::table, .fromTable = &Owner::table,
            .bind = [f](const ListPanel&, const RecordBuffer* owner, RecordBuffer& seek) {
                if (!owner || &owner->table() != &Owner::table) return false;
                f(owner->as<Owner>(), seek.as<R>());
                return true;
            }};
}

struct TabSpec {
    QString title{};
    const KeyDef* key = nullptr;
    Locator locator = Locator::Step;
    bool locatorEntry = false;  // an entry field locates too, beside the typing locator
    ThumbStops stops = ThumbStops::Even;
    RangeSpec range{};
    RowFilter filter{};  // records shown (rowsWhere<R>); empty: all
};

// A column shows a field of the row, a field of a record the row links to by number, or a value
// computed from the row.
struct ColumnSpec {
    QString title{};
    std::string_view field{};
    FieldFormat format{};
    const KeyDef* lookupKey = nullptr;  // the linked file's number key, looked up with `field`
    std::string_view lookupField{};       // the linked record's field shown
    CellText compute{};
    bool hidden = false;                  // a zero-width column: part of the row, not shown
    int chars = 0;                        // width in characters before values widen it; 0: as its field holds
    bool typed = false;  // (below the rows) the text typed so far into the current tab's locator
};

ColumnSpec column(QString title, std::string_view field, FieldFormat format = {});
// Below the rows: what the user has typed so far to locate a record (the incremental locator's text).
ColumnSpec typedText(QString title);
ColumnSpec lookup(QString title, std::string_view numberField, const KeyDef& key, std::string_view shownField);
// The column made zero-width.
ColumnSpec hidden(ColumnSpec column);
// The column starting `chars` average characters wide (narrower than its field holds, or wider
// for digits, which are wider than the average character); values shown widen it further.
ColumnSpec startingWidth(ColumnSpec column, int chars);

// A column computed from the row: computed<Osobe>("Ime i prezime", [](const Osobe& oso) { return ...; }),
// or, when it reads further records, with the store: [](Store& store, const Osobe& oso) { ... }.
template <Record R, class F>
ColumnSpec computed(QString title, F f) {
    ColumnSpec c{.title = std::move(title)};
    if constexpr (std::is_invocable_r_v<std::string, F, Store&, const R&>)
        c.compute = {&R::table, [f](Store& store, const RecordBuffer& rec) { return f(store, rec.as<R>()); }};
    else
        c.compute = {&R::table, [f](Store&, const RecordBuffer& rec) { return f(rec.as<R>()); }};
    return c;
}

enum class ListButton : int { Insert = 1, Change = 2, Delete = 4, Select = 8, Close = 16, Help = 32 };
Q_DECLARE_FLAGS(ListButtons, ListButton)
Q_DECLARE_OPERATORS_FOR_FLAGS(ListButtons)

struct ExtraButton {
    QString text{};
    QString toolTip{};
    QKeySequence shortcut{};
    std::function<void(ListPanel&)> action{};
    int tab = -1;  // shown only while this tab is current; -1: on every tab
};

// The values a new record gets before the form opens on it, beyond the tab's range:
// primeWith<Dohoci>([](ListPanel& list, Dohoci& doh) { doh.isplata = ...; }).
template <Record R, class F>
InsertPrimer primeWith(F f) {
    return {&R::table, [f](ListPanel& list, RecordBuffer& rec) { f(list, rec.as<R>()); }};
}

// A key of the list's own beyond the common ones (numeric keypad keys, for example), tried
// before them while the rows have the focus.
struct ListKey {
    QKeyCombination key{};
    std::function<void(ListPanel&)> action{};
};

struct ListHooks {
    // A new record for the form: the buffer is cleared and holds the tab's range fields.
    InsertPrimer primeInsert{};
    // After a form called by the list has returned and the list has moved.
    std::function<void(ListPanel&, Request, Response)> afterForm{};
    // After the highlighted record changed.
    std::function<void(ListPanel&)> highlightChanged{};
};

struct ListSpec {
    const TableDef* table = nullptr;
    QString caption{};  // the window's caption; a list shown below another: its heading
    std::vector<TabSpec> tabs{};
    std::vector<ColumnSpec> columns{};
    ListButtons buttons = ListButton::Insert | ListButton::Change | ListButton::Delete | ListButton::Select |
                          ListButton::Close | ListButton::Help;
    QString selectText = "&Odaberi";
    bool hideSelect = false;  // outside select mode the select button is hidden, not only disabled
    const FormSpec* form = nullptr;
    std::vector<ExtraButton> extraButtons{};
    std::vector<std::pair<ListButton, QString>> buttonTexts{};  // captions other than "&Unesi", "&Mijenjaj" ...
    std::vector<std::pair<ListButton, QString>> buttonTips{};   // tool tips of the standard buttons
    QString toolTip{};  // the rows' tool tip
    std::vector<ListKey> keys{};
    std::vector<ColumnSpec> below{};  // values of the highlighted record shown under the rows, each with its title
    std::vector<const TableDef*> alsoReads{};  // files its computed columns read (look-up columns' files are opened anyway)
    std::vector<const ListSpec*> details{};  // lists shown below, each ranged by this list's highlighted record
    ListHooks hooks{};
};

// The popup menu of a list: "&Unesi|&Mijenjaj|&Briši|-|&Odaberi", where '|' separates items, '-'
// is a separator and a leading '~' greys an item out. Select is greyed unless selecting; change,
// delete and select are greyed on an empty list.
std::string popupMenuText(bool empty, bool selecting);

// Whether a shown value starts with a typed text, letter case ignored (Croatian letters too).
bool startsWithIgnoringCase(std::string_view value, std::string_view typed);

// Every file the list reads while it runs: its own, its look-up columns' and those it also reads.
std::vector<const TableDef*> filesOf(const ListSpec& spec);

// The first fault of this one declaration (a field or key it names that does not exist, a hook
// over another file's records); empty when there is none. declarationFault (shell/declarations.h)
// also checks every declaration it leads to.
std::string ownFault(const ListSpec& spec);

}  // namespace pramo
