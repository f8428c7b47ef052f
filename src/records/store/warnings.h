#pragma once
// The standard warnings: numbered message boxes with fixed titles and texts, filled with the name
// of a file or key, the error and the operation; and the outcome a core operation answers with.
// Here they are data: the shell shows them, the command line prints them, the core only says them.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/store/store_code.h"

namespace pramo {

class Store;
struct TableDef;

enum class Warning : int {
    FileInvalid = 1,
    InvalidKey = 2,
    KeyRebuildError = 3,
    FileCreationError = 4,
    CreatedFileOpenError = 5,
    ChangeRestricted = 12,
    DeleteRestricted = 13,
    InsertError = 14,
    UpdateError = 15,
    ChangeRetry = 16,
    DeleteError = 17,
    DeleteRetry = 18,
    DuplicateKey = 24,
    AutoIncrementError = 25,
    FileOpenError = 30,
    ConfirmDelete = 32,
    TransactionError = 34,
    RetrievalError = 35,
    ViewOpenError = 36,
    RecordChanged = 38,
};

// Buttons of a message box, and what the box answers: the chosen button's value.
enum Button : int { ButtonOk = 1, ButtonYes = 2, ButtonNo = 4, ButtonRetry = 16, ButtonCancel = 64 };

enum class Icon { Exclamation, Question, Information };

struct MessageBox {
    std::string title;
    std::string text;
    Icon icon = Icon::Exclamation;
    int buttons = ButtonOk;                // standard buttons, a sum of Button values
    int defaultButton = ButtonOk;
    std::vector<std::string> named;        // caller-named buttons ("DA|NE"); the answer is 1, 2, ...
    int warningId = 0;                     // the standard warning shown, 0 for other boxes
    std::string haltText;                  // when not empty the program ends after the box ...
    int haltOn = 0;                        // ... if this button was chosen (0: whatever was chosen)
    // What a standard warning was filled with, for a terminal that words it its own way.
    std::string name, error, operation;

    bool ends(int answer) const { return !haltText.empty() && (haltOn == 0 || haltOn == answer); }
};

// A box with caller-named buttons: namedBox("Inicijalizacija podataka", "...", "DA|NE").
MessageBox namedBox(std::string title, std::string text, std::string_view buttons, Icon icon = Icon::Question);

// A "DA|NE" question whose "DA" destroys data: "NE" is its default, so that Enter keeps the data.
MessageBox destroyingQuestion(std::string title, std::string text);

// The standard warning `id` with its texts filled in. `error` is the error to show.
MessageBox standardWarning(Warning id, const StoreError& error, std::string_view name = {},
                           std::string_view operation = {});
// STANDARDWARNING's box: warning `id` with the saved error when one is saved (it is used once),
// otherwise the store's current error.
MessageBox standardWarning(Store& store, Warning id, std::string_view name = {}, std::string_view operation = {});

// What a core operation answers: its result, and what the user is to be told of it (nothing, or
// one message: a standard warning or a box in the operation's own words) with the file it is
// about. The shell shows the message, the command line prints it, and either ends the program when
// the message says so; no core operation shows a message, asks a question or ends the program.
template <class R>
struct Outcome {
    R result{};
    std::optional<MessageBox> message{};
    const TableDef* file = nullptr;

    operator R() const { return result; }  // NOLINT(google-explicit-constructor): the result is tested first
};

}  // namespace pramo
