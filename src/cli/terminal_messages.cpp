// The standard warnings as a terminal says them: one Croatian line each, with the file or key and
// the error they were filled with. The boxes' own texts are the desktop's (some of them in the
// English of the original screens); a terminal answers the default button and tells what it did.

#include <iostream>

#include "cli/data_dir.h"

namespace pramo::cli {
namespace {

// {name}, {error} and {operation} stand for what the warning was filled with.
struct TerminalWords {
    Warning id;
    const char* line;
    const char* halt;  // what the program's end is said with, when the warning ends it
};

constexpr TerminalWords terminalWords[] = {
    {Warning::FileInvalid, "Datoteka {name} ne valja: {error}", "Datoteka ne valja!"},
    {Warning::InvalidKey, "Ključevi datoteke {name} nisu ispravni; gradim ih ponovno", "Neispravni ključevi!"},
    {Warning::KeyRebuildError, "Ključeve datoteke {name} nije moguće izgraditi: {error}", "Ključeve nije moguće izgraditi!"},
    {Warning::FileCreationError, "Datoteku {name} nije moguće napraviti: {error}", "Datoteku nije moguće napraviti!"},
    {Warning::CreatedFileOpenError, "Napravljenu datoteku {name} nije moguće otvoriti: {error}", "Datoteku nije moguće napraviti!"},
    {Warning::ChangeRestricted, "Na slog upućuje datoteka {name}; povezna polja ne smiju se mijenjati i vraćena su na stare vrijednosti", ""},
    {Warning::DeleteRestricted, "Na slog upućuje datoteka {name}; slog se ne može brisati dok te veze postoje", ""},
    {Warning::InsertError, "Slog nije moguće upisati: {error}", ""},
    {Warning::ChangeRetry, "Promjenu sloga nije moguće spremiti", ""},
    {Warning::DeleteError, "Slog nije moguće izbrisati iz datoteke {name}: {error}", ""},
    {Warning::DeleteRetry, "Slog nije moguće izbrisati", ""},
    {Warning::AutoIncrementError, "Slogu nije moguće dati sljedeći broj: {error}", ""},
    {Warning::FileOpenError, "Datoteku {name} nije moguće otvoriti: {error}", "Greška diska!"},
    {Warning::TransactionError, "Transakciju ({operation}) nad datotekom {name} nije moguće započeti: {error}; ništa nije promijenjeno", ""},
    {Warning::RetrievalError, "Slog iz datoteke {name} nije moguće pročitati: {error}", ""},
    {Warning::ViewOpenError, "Pregled nije moguće otvoriti: {error}; filtar i granice nisu primijenjeni", ""},
    {Warning::RecordChanged, "Slog je u međuvremenu promijenila druga radna stanica; vrijede njezine promjene", ""},
};

const TerminalWords* wordsOf(int warningId) {
    for (const TerminalWords& w : terminalWords)
        if (static_cast<int>(w.id) == warningId) return &w;
    return nullptr;
}

std::string operationWords(const std::string& op) {
    if (op == "Delete") return "brisanje";
    if (op == "Update") return "ažuriranje";
    return op;
}

std::string filled(std::string line, const MessageBox& box) {
    const std::pair<const char*, std::string> values[] = {
        {"{name}", box.name}, {"{error}", box.error}, {"{operation}", operationWords(box.operation)}};
    for (const auto& [mark, value] : values)
        for (auto at = line.find(mark); at != std::string::npos; at = line.find(mark, at + value.size()))
            line.replace(at, std::string_view(mark).size(), value);
    return line;
}

// The answer a box of standard buttons gets, in words: its default button.
std::string answerWords(const MessageBox& box) {
    if (!box.named.empty()) return box.named.front();
    static const std::pair<int, const char*> names[] = {
        {ButtonOk, "U redu"}, {ButtonYes, "Da"}, {ButtonNo, "Ne"}, {ButtonRetry, "Ponovi"}, {ButtonCancel, "Odustani"}};
    for (auto [b, name] : names)
        if (b == box.defaultButton) return name;
    return {};
}

}  // namespace

int TerminalMessages::ask(const MessageBox& box) {
    const TerminalWords* words = wordsOf(box.warningId);
    if (words) std::cerr << filled(words->line, box) << "\n";
    else std::cerr << box.title << ": " << box.text << " [" << answerWords(box) << "]\n";
    haltWords_ = words && box.ends(box.defaultButton) ? words->halt : "";
    return box.defaultButton;
}

void TerminalMessages::halt(const std::string& text) {
    std::cerr << (haltWords_.empty() ? text : haltWords_) << "\n";
    haltWords_.clear();
}

}  // namespace pramo::cli
