#include "reports/id1/id1_sums.h"

#include <algorithm>

#include "payments/working_values.h"

namespace pramo {
namespace {

Pozicija positionOf(const Obracun& obr) { return static_cast<Pozicija>(obr.pozicija); }

std::string_view accountOf(const Id1Item& item) { return item.vrs ? item.vrs->rnporez.view() : std::string_view{}; }

// One line of an item on the return; `account` is the index of the type's tax account.
void addReturnLine(Id1Sums& s, const Obracun& obr, std::optional<std::size_t> account) {
    switch (positionOf(obr)) {
    case Pozicija::Bruto: s.bruto += obr.iznos; break;
    case Pozicija::NeoporeziviDio:
    case Pozicija::PriznatiTroskovi: s.izdaci += obr.iznos; break;
    case Pozicija::MirovinskoI:
    case Pozicija::MirovinskoII: s.doprinosi += obr.iznos; break;
    case Pozicija::Porez:
    case Pozicija::Prirez:
        s.porez += obr.iznos;
        if (account) s.iznos[*account] += obr.iznos;
        break;
    case Pozicija::Neto: s.neto += obr.iznos; break;
    case Pozicija::Kriznica:
        s.kriznica += obr.iznos;
        s.neto -= obr.iznos;
        s.iznos[id1CrisisAccount] += obr.iznos;
        break;
    default: break;
    }
}

// One line of an item on the printed form, whose type pays into account `account`: as on the
// return, but the printed form has no crisis tax.
void addPrintLine(Id1Sums& s, const Obracun& obr, std::size_t account) {
    if (positionOf(obr) != Pozicija::Kriznica) addReturnLine(s, obr, account);
}

// Whether the item withheld income tax or surtax, which the return puts on a revenue account.
bool withheldTax(const Id1Item& item) {
    return std::any_of(item.lines.begin(), item.lines.end(), [](const Obracun& obr) {
        return (positionOf(obr) == Pozicija::Porez || positionOf(obr) == Pozicija::Prirez) && !obr.iznos.isZero();
    });
}

}  // namespace

Id1Sums returnSums(const Id1Payee& payee, std::vector<const Id1Item*>& untaxed) {
    Id1Sums s;
    for (const Id1Item& item : payee.items) {
        if (accountOf(item).empty() && withheldTax(item)) untaxed.push_back(&item);
        const auto account = id1AccountIndex(accountOf(item));
        for (const Obracun& obr : item.lines) addReturnLine(s, obr, account);
    }
    return s;
}

Id1Sums printSums(const Id1Payee& payee) {
    Id1Sums s;
    for (const Id1Item& item : payee.items) {
        const auto account = id1AccountIndex(accountOf(item));
        if (!account) continue;
        for (const Obracun& obr : item.lines) addPrintLine(s, obr, *account);
    }
    return s;
}

bool Id1Sums::overflowed() const {
    const auto over = [](const Total& t) { return t.overflowed(); };
    return std::ranges::any_of(std::array{bruto, izdaci, doprinosi, porez, kriznica, neto}, over) || std::ranges::any_of(iznos, over);
}

void addToFileTotals(Id1Sums& file, const Id1Sums& payee) {
    file.bruto += payee.bruto;
    file.izdaci += payee.izdaci;
    file.doprinosi += payee.doprinosi;
    file.porez += payee.porez;
    file.porez += payee.kriznica;
    file.neto += payee.neto;
    for (std::size_t i = 0; i < file.iznos.size(); ++i) {
        if (payee.iznos[i].raw() > 0) file.iznos[i] += payee.iznos[i];
    }
}

}  // namespace pramo
