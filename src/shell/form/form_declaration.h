#pragma once
// A form screen declared as data: the file, captions, tabs and fields (entries, option groups,
// shown values, look-ups, ±1 buttons, buttons of its own), defaults of a new record and the order
// in which its unique keys are reported. One generic form screen runs every declaration; what a
// particular form adds goes into its named hooks. For example:
//
//   const FormSpec upisMjesta{
//       .table = &Mjesta::table, .insertCaption = "Upis mjesta u šifrarnik", .changeCaption = "Promjene - mjesta",
//       .fields = {{.field = "NAZIV", .label = "Naziv:"},
//                  {.field = "OPCINA", .label = "Općina:",
//                   .lookup = {.list = &odabirOpcine, .key = &Opcine::keyOznaka, .shown = "NAZIV"}},
//                  {.field = "POSTBROJ", .label = "Post Broj:"}},
//       .hooks = {.validate = [](FormScreen& f) { ... return true; }}};
//
// The list that names it as its .form calls it for insert, change and delete. The form opens its
// own file and the files of its look-ups (from their keys) for as long as it runs.

#include <QString>
#include <Qt>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "records/store/table_def.h"
#include "shell/form/record_buffer.h"
#include "shell/globals.h"

class QWidget;

namespace pramo {

class FormScreen;
struct AppContext;
struct ListSpec;

enum class FieldKind {
    Entry,    // typed; its picture is the field's type and width
    Options,  // one of several values, as a group of option buttons
    Shown,    // a value shown, not entered (computed by `shown`)
    Button,   // a button of the form's own (runs `action`)
    List,     // a list of records that belong to the form's record (`list`, ranged by rangeFromForm)
};

struct OptionSpec {
    QString text{};       // "&DA"
    std::string value{};  // "DA"
};

// A button beside an entry that adds `delta` (in whole units of the field) to its value.
struct StepButton {
    QString text{};
    Qt::ArrowType arrow = Qt::NoArrow;
    int delta = 0;
};

// A value that names a record of another file: a button beside the entry opens that file's list
// for selection, and the linked record's field is shown beside it. The value is the first
// component of `key`: a number (a decimal field holding a whole number gives its units) or a code.
struct LookupSpec {
    const ListSpec* list = nullptr;
    // No list named: the one registered to choose a record of the key's file (another subsystem's
    // list, ScreenRegistry::chooser).
    bool registered = false;
    const KeyDef* key = nullptr;    // the linked file's key, usually its number key
    std::string_view shown{};         // the linked record's field shown beside the number
    QString buttonText = "...";
    bool openWhenUnmatched = false; // the entry getting the focus with a number no record has opens the list
    bool required = false;          // OK with a number no record has (0 too) opens the list; none chosen, the form stays
    // Whether the look-up may run now, by its button or its entry (false: the hook has said why).
    std::function<bool(FormScreen&)> allowed{};
    // After the look-up ran, whether a record was chosen or not; also when the entry, getting the
    // focus, found its record and opened no list.
    std::function<void(FormScreen&)> after{};
};

struct FieldSpec {
    std::string_view field{};  // the record's field (none for Shown and Button)
    QString label{};
    int tab = 0;
    FieldKind kind = FieldKind::Entry;
    std::vector<OptionSpec> options{};
    std::vector<StepButton> steps{};
    int upKey = 0;    // added to the value by the Up arrow key in the entry (0: the key moves focus)
    int downKey = 0;  // added by the Down arrow key
    int keypadStep = 0;  // added by the numeric keypad's +, subtracted by its − (a text of digits steps as a number)
    bool ditto = true;
    bool readOnly = false;
    LookupSpec lookup{};
    QString toolTip{};
    std::function<QString(FormScreen&)> shown{};   // a Shown value, or the text beside a Button
    std::function<void(FormScreen&)> action{};
    const ListSpec* list = nullptr;  // FieldKind::List
    FieldFormat format{};   // how an entry shows its value (a decimal holding a whole number: places 0)
    bool wrap = false;      // a shown text breaks into lines (a long description)
    bool vertical = false;  // option buttons one under another
    bool sameRow = false;  // on the row of the field before it, its label (if any) in front of it
    QString group{};       // consecutive fields of one group are framed together under this title
    int maxLength = 0;     // an entry of a text field that takes fewer characters than the field holds
};

struct FieldDefault {
    std::string_view field{};
    std::string value{};  // as typed
};

struct FormHooks {
    // A new record, after its number was reserved and the declared defaults were set.
    std::function<void(FormScreen&)> defaults{};
    // The form is about to be shown (any request): set what depends on the record.
    std::function<void(FormScreen&)> opened{};
    // After a field's value was accepted (typed and left, chosen, stepped or looked up).
    std::function<void(FormScreen&, std::string_view field)> accepted{};
    // After a record was chosen in a look-up's list (by its button, or opened by the entry).
    std::function<void(FormScreen&, std::string_view field)> lookedUp{};
    // On OK, after every entry passed its picture; false keeps the form open.
    std::function<bool(FormScreen&)> validate{};
    // After the record was saved or deleted (response 1), before the form closes.
    std::function<void(FormScreen&)> saved{};
    // An insert about to end without OK (Odustani, Esc, the window closed): false keeps the form
    // open (the hook asked the user whether to throw the new record away and was told no).
    std::function<bool(FormScreen&)> mayCancelInsert{};
    // An insert that ends without response 1: removes what it reserved. Without the hook the
    // reserved record itself is deleted.
    std::function<void(FormScreen&)> cancelInsert{};
};

struct FormSpec {
    const TableDef* table = nullptr;
    QString insertCaption{};
    QString changeCaption{};
    std::vector<const TableDef*> alsoReads{};  // files its hooks read beyond its own and its look-ups'
    std::vector<QString> tabs{};           // empty: one page
    std::vector<FieldSpec> fields{};
    std::vector<FieldDefault> defaults{};
    std::vector<const KeyDef*> duplicateOrder{};  // unique keys as a duplicate is reported; empty: the table's
    bool reserveNumber = true;  // a new record takes the next number at once
    bool help = true;           // a "Help" button
    QString cancelText = "Odustani";
    FormHooks hooks{};
    // A hand-written window that runs this form instead of the generic form screen: a list naming
    // the form, and callForm, open it. It answers the response, as callForm does.
    std::function<Response(AppContext&, const FormSpec&, Request, RecordBuffer&, QWidget*)> window{};
};

// Every file the form reads while it runs: its own, its look-ups' and those its hooks read.
std::vector<const TableDef*> filesOf(const FormSpec& spec);

// The first fault of this one declaration (a field, key or tab it names that does not exist, a
// look-up whose key is not its list's file); empty when there is none. declarationFault
// (shell/declarations.h) also checks every declaration it leads to.
std::string ownFault(const FormSpec& spec);

}  // namespace pramo
