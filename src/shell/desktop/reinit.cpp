#include "shell/desktop/reinit.h"

#include "records/layouts/isplate.h"
#include "records/layouts/relations.h"
#include "records/store/lock_holder.h"

namespace pramo {
namespace {

constexpr const char* title = "Inicijalizacija podataka";
constexpr int answerDa = 1;
constexpr int waitSeconds = 2;  // as long as an integrity operation waits for another program's lock

MessageBox notice(std::string text, Icon icon) {
    MessageBox b;
    b.title = title;
    b.text = std::move(text);
    b.icon = icon;
    return b;
}

bool confirmed(Messages& messages) {
    if (messages.ask(destroyingQuestion(title, "ŽELITE LI STVARNO IZBRISATI SVE ISPLATE?")) == answerDa &&
        messages.ask(destroyingQuestion("Potvrda brisanja", "JESTE LI SIGURNI?")) == answerDa)
        return true;
    messages.ask(notice("PODACI NISU BRISANI", Icon::Information));
    return false;
}

std::string refusal(const TableDef& t, const std::string& why) { return "GREŠKA KOD BRISANJA FILE-A " + std::string(t.name) + " " + why; }

// The store's wording of the last error, without its code.
std::string storeMessageOf(const StoreError& e) { return e.code == StoreCode::FileSystem ? e.fsMessage : e.message; }

std::vector<std::string> openHere(const Files& files, const std::vector<const TableDef*>& tables) {
    std::vector<std::string> out;
    for (const TableDef* t : tables)
        if (files.openCount(*t) > 0) out.push_back(refusal(*t, storeMessage(StoreCode::AlreadyOpen)));
    return out;
}

// Another program with the database open holds every file; asked under the write lock, so that
// none can start writing before the erase is committed.
std::vector<std::string> heldElsewhere(Store& store, const std::vector<const TableDef*>& tables) {
    const std::string holder = lockHolder(store.path());
    std::vector<std::string> out;
    if (!holder.empty())
        for (const TableDef* t : tables) out.push_back(refusal(*t, storeMessage(StoreCode::FileLocked) + " (drži je " + holder + ")"));
    return out;
}

// A file that was never created holds no records, so there is nothing to erase.
bool erase(Files& files, const TableDef& t) {
    return files.store().checkTable(t) == StoreCode::FileNotFound || ok(files.removeAll(t));
}

std::vector<std::string> eraseTogether(Files& files, const std::vector<const TableDef*>& tables) {
    Store& store = files.store();
    Transaction tx(store, waitSeconds);
    if (!tx.began()) return {refusal(*tables.front(), storeMessageOf(store.error()))};
    if (auto held = heldElsewhere(store, tables); !held.empty()) return held;
    for (const TableDef* t : tables)
        if (!erase(files, *t)) return {refusal(*t, storeMessageOf(store.error()))};
    if (!ok(tx.commit())) return {refusal(*tables.front(), storeMessageOf(store.error()))};
    return {};
}

std::string lines(const std::vector<std::string>& texts) {
    std::string out;
    for (const auto& t : texts) out += (out.empty() ? "" : "\n") + t;
    return out;
}

}  // namespace

std::vector<const TableDef*> reinitialisedFiles() { return transactionScope(Isplate::table); }

ReinitOutcome reinitialise(Files& files, Messages& messages) {
    ReinitOutcome outcome;
    outcome.confirmed = confirmed(messages);
    if (!outcome.confirmed) return outcome;
    const std::vector<const TableDef*> tables = reinitialisedFiles();
    outcome.refused = openHere(files, tables);
    if (outcome.refused.empty()) outcome.refused = eraseTogether(files, tables);
    outcome.erased = outcome.refused.empty();
    if (outcome.erased) {
        messages.ask(notice("ISPLATE SU IZBRISANE", Icon::Information));
    } else {
        messages.ask(notice(lines(outcome.refused), Icon::Exclamation));
        messages.ask(notice("PODACI NISU BRISANI", Icon::Exclamation));
    }
    return outcome;
}

}  // namespace pramo
