#include "shell/desktop/reinit.h"

#include "records/layouts/dohoci.h"
#include "records/layouts/isplate.h"
#include "records/layouts/obracun.h"
#include "records/layouts/svasta.h"

namespace pramo {
namespace {

constexpr const char* title = "Inicijalizacija podataka";
constexpr int answerDa = 1;

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

// The store's wording of the last error, without its code.
std::string storeMessageOf(const StoreError& e) { return e.code == StoreCode::FileSystem ? e.fsMessage : e.message; }

// A file that was never created holds no records, so there is nothing to erase.
bool erase(Files& files, const TableDef& t) {
    return files.store().checkTable(t) == StoreCode::FileNotFound || ok(files.removeAll(t));
}

std::string joined(const std::vector<std::string>& names) {
    std::string out;
    for (const auto& n : names) out += (out.empty() ? "" : ", ") + n;
    return out;
}

}  // namespace

ReinitOutcome reinitialise(Files& files, Messages& messages) {
    ReinitOutcome outcome;
    outcome.confirmed = confirmed(messages);
    if (!outcome.confirmed) return outcome;
    for (const TableDef* t : {&Obracun::table, &Dohoci::table, &Isplate::table, &Svasta::table}) {
        if (erase(files, *t)) continue;
        const std::string name(t->name);
        messages.ask(notice("GREŠKA KOD BRISANJA FILE-A " + name + " " + storeMessageOf(files.store().error()), Icon::Exclamation));
        outcome.notErased.push_back(name);
    }
    if (outcome.notErased.empty()) messages.ask(notice("ISPLATE SU IZBRISANE", Icon::Information));
    else messages.ask(notice("ISPLATE NISU IZBRISANE U CIJELOSTI. NISU IZBRISANI: " + joined(outcome.notErased), Icon::Exclamation));
    return outcome;
}

}  // namespace pramo
