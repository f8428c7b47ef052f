#pragma once
// A list screen declared as data: its file, its sorts (tabs), columns, buttons and the form it
// calls. One generic list screen runs every declaration; what a particular list adds beyond the
// common behaviour goes into its named hooks. For example (the printer parameters in
// param_screens.cpp are a complete one):
//
//   const ListSpec mjestaList{
//       .table = &Mjesta::table, .caption = "Pregled mjesta",
//       .tabs = {{.key = &Mjesta::keyNaziv, .locator = Locator::Step}},
//       .columns = {column("Naziv", "NAZIV"), lookup("Grad / općina", "OPCINA", Opcine::keyOznaka, "NAZIV")},
//       .form = &upisMjesta};
//
// A menu item opens it with openList(ctx, mjestaList) (one line in screens.cpp); a form's look-up
// or another screen chooses from it with selectRecord(ctx, mjestaList, rec, parent).

#include <QKeySequence>
#include <QString>
#include <functional>
#include <string>
#include <string_view>
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

// The leading key components that every record of a tab shares, for example the payees of one
// place. They come from the highlighted record of another list (`from`, shown on this tab), or,
// without one, from the screen's state through `bind`.
struct RangeSpec {
    int fields = 0;                  // how many leading key components are fixed
    const ListSpec* from = nullptr;  // the list whose highlighted record gives them
    // Sets the fixed components in `seek`, a cleared record of the list's file; `fromRec` is the
    // highlighted record of `from` (null when it shows nothing). Answers false when the range
    // cannot be formed: the list shows warning 36 and runs without its range and filter.
    std::function<bool(const ListPanel& list, const void* fromRec, void* seek)> bind{};
};

// A range of one component: `field` of this list's file equals `fromField` of the highlighted
// record of `from` (for example the payees whose MJESTO is the highlighted place's OZNAKA).
RangeSpec rangeFrom(const ListSpec& from, std::string_view field, std::string_view fromField);

struct TabSpec {
    QString title{};
    const KeyDef* key = nullptr;
    Locator locator = Locator::Step;
    ThumbStops stops = ThumbStops::Even;
    RangeSpec range{};
    std::function<bool(const ListPanel& list, const void* rec)> filter{};  // records shown; empty: all
};

// A column shows a field of the row, a field of a record the row links to by number, or a value
// computed from the row.
struct ColumnSpec {
    QString title{};
    std::string_view field{};
    FieldFormat format{};
    const KeyDef* lookupKey = nullptr;  // the linked file's number key, looked up with `field`
    std::string_view lookupField{};       // the linked record's field shown
    std::function<std::string(Store& store, const void* rec)> compute{};
};

ColumnSpec column(QString title, std::string_view field, FieldFormat format = {});
ColumnSpec lookup(QString title, std::string_view numberField, const KeyDef& key, std::string_view shownField);

enum ListButton : int { Insert = 1, Change = 2, Delete = 4, Select = 8, Close = 16, Help = 32 };

struct ExtraButton {
    QString text{};
    QString toolTip{};
    QKeySequence shortcut{};
    std::function<void(ListPanel&)> action{};
};

struct ListHooks {
    // A new record for the form: the buffer is cleared and holds the tab's range fields.
    std::function<void(ListPanel&, void* rec)> primeInsert{};
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
    int buttons = Insert | Change | Delete | Select | Close | Help;
    QString selectText = "&Odaberi";
    bool hideSelect = false;  // outside select mode the select button is hidden, not only disabled
    const FormSpec* form = nullptr;
    std::vector<ExtraButton> extraButtons{};
    std::vector<const ListSpec*> details{};  // lists shown below, each ranged by this list's highlighted record
    ListHooks hooks{};
};

// The popup menu of a list: "&Unesi|&Mijenjaj|&Briši|-|&Odaberi", where '|' separates items, '-'
// is a separator and a leading '~' greys an item out. Select is greyed unless selecting; change,
// delete and select are greyed on an empty list.
std::string popupMenuText(bool empty, bool selecting);

// Whether a shown value starts with a typed text, letter case ignored (Croatian letters too).
bool startsWithIgnoringCase(std::string_view value, std::string_view typed);

// Checks that every field and key a declaration names exists; throws std::logic_error naming
// the first that does not. The lists linked to it are checked when their own panels are built.
void checkDeclaration(const ListSpec& spec);

}  // namespace pramo
