#include "records/store/warnings.h"

#include <cctype>

#include "records/store/store.h"

namespace pramo {
namespace {

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

MessageBox box(Warning id, std::string title, std::string text, int buttons = ButtonOk, int def = ButtonOk,
               Icon icon = Icon::Exclamation) {
    MessageBox b;
    b.warningId = static_cast<int>(id);
    b.title = std::move(title);
    b.text = std::move(text);
    b.buttons = buttons;
    b.defaultButton = def;
    b.icon = icon;
    return b;
}

MessageBox ending(MessageBox b, std::string halt, int on = 0) {
    b.haltText = std::move(halt);
    b.haltOn = on;
    return b;
}

}  // namespace

MessageBox namedBox(std::string title, std::string text, std::string_view buttons, Icon icon) {
    MessageBox b;
    b.title = std::move(title);
    b.text = std::move(text);
    b.icon = icon;
    b.buttons = 0;
    b.defaultButton = 1;
    for (std::size_t start = 0;;) {
        const auto bar = buttons.find('|', start);
        b.named.emplace_back(buttons.substr(start, bar == std::string_view::npos ? bar : bar - start));
        if (bar == std::string_view::npos) break;
        start = bar + 1;
    }
    return b;
}

MessageBox destroyingQuestion(std::string title, std::string text) {
    MessageBox b = namedBox(std::move(title), std::move(text), "DA|NE");
    b.defaultButton = 2;
    return b;
}

namespace {

MessageBox filledWarning(Warning id, const std::string& err, const std::string& name, const std::string& op) {
    switch (id) {
    case Warning::FileInvalid:
        return ending(box(id, "Datoteka ne valja", "Greška: (" + err + ") otvaram " + name + ".  Pritisni OK da zatvoriš aplikaciju."),
                      "Datoteka ne valja!");
    case Warning::InvalidKey:
        return ending(box(id, "Invalid Key", name + " key file is invalid.  Do you want to rebuild the key?",
                          ButtonYes | ButtonNo, ButtonYes, Icon::Question),
                      "Invalid Key!", ButtonNo);
    case Warning::KeyRebuildError:
        return ending(box(id, "Key Rebuild Error", "Error: (" + err + ") repairing key for " + name + ".  Press OK to end this application."),
                      "Error Rebuilding Key!");
    case Warning::FileCreationError:
        return ending(box(id, "File Creation Error", "Error: (" + err + ") creating " + name + ".  Press OK to end this application."),
                      "File Creation Error!");
    case Warning::CreatedFileOpenError:
        return ending(box(id, "File Creation Error", "Error: (" + err + ") opening created file:" + name + ".  Press OK to end this application."),
                      "File Creation Error!");
    case Warning::ChangeRestricted:
        return box(id, "Referential Integrity Update Error", "This record is referenced from the file " + name +
                   ".  Linking field(s) have been restricted from change and have been reset to original values.");
    case Warning::DeleteRestricted:
        return box(id, "Referential Integrity Delete Error", "This record is referenced from the file " + name +
                   ".  This record cannot be deleted while these references exist.");
    case Warning::InsertError:
        return box(id, "Record Insert Error", "An error was experienced during the update of record.  Error: " + err + ".");
    case Warning::UpdateError:
        return box(id, "Greška prilikom ažuriranja", "Greška(" + err + ") se pojavila prilikom ažuriranja sloga.  Vjerojatan razlog: " + name + ".");
    case Warning::ChangeRetry:
        return box(id, "Record Update Error", "An error was experienced changing this record.  Do you want to try to save again?",
                   ButtonYes | ButtonNo | ButtonCancel, ButtonCancel);
    case Warning::DeleteError:
        return box(id, "Delete Operation Error", "An error (" + err + ") was experienced when attempting to delete a record from the file " + name + ".");
    case Warning::DeleteRetry:
        return box(id, "Record Update Error", "An error was experienced deleting this record.  Do you want to try to save again?",
                   ButtonYes | ButtonNo | ButtonCancel, ButtonCancel);
    case Warning::DuplicateKey:
        return box(id, "Greška dupliciranja", "Već postoji slog sa ovom vrijednosti za ključ:" + name);
    case Warning::AutoIncrementError:
        return box(id, "Auto Increment Error", "Attempts to automatically number this record have failed.  Error: " + err + ".",
                   ButtonRetry | ButtonCancel, ButtonCancel);
    case Warning::FileOpenError:
        return ending(box(id, "Greška pri otvaranju datoteke", "Datoteka (" + name + ") se ne može otvoriti.  Greška: " + err + "."),
                      "Disk Error");
    case Warning::ConfirmDelete:
        return box(id, "Potvrda brisanja", "Brisati ću odabrani slog.  Pritisnite OK za potvrdu brisanja.", ButtonOk | ButtonCancel,
                   ButtonCancel, Icon::Question);
    case Warning::TransactionError:
        return box(id, "Transaction Framing Error", "Error: (" + err + ") attempting to frame the " + lower(op) + " transaction on " +
                   name + ".  " + op + " transaction cancelled.");
    case Warning::RetrievalError:
        return box(id, "Record Retrieval Error", "Error: (" + err + ") attempting to access a record from the " + name +
                   " file.  Returning to previous window.");
    case Warning::ViewOpenError:
        return box(id, "View Open Error", "Error: (" + err + ") attempting to open the current VIEW. Filter and Range Limits ignored.");
    case Warning::RecordChanged:
        return box(id, "Record Was Not Updated", "This record was changed by another station. Those changes will now be displayed. "
                   "Use the Ditto Button or Ctrl+' to recall your changes.");
    }
    return box(id, "", "");
}

}  // namespace

MessageBox standardWarning(Warning id, const StoreError& error, std::string_view name, std::string_view operation) {
    MessageBox b = filledWarning(id, error.text(), std::string(name), std::string(operation));
    b.name = name;
    b.error = error.text();
    b.operation = operation;
    return b;
}

MessageBox standardWarning(Store& store, Warning id, std::string_view name, std::string_view operation) {
    return standardWarning(id, store.takeErrorForWarning(), name, operation);
}

}  // namespace pramo
