#include "shell/desktop/puniglobale.h"

#include "records/layouts/dohoci.h"
#include "records/layouts/id1.h"

namespace pramo {
namespace {

std::uint8_t lastIncomeType(Store& store) {
    Dohoci doh;
    store.set(Dohoci::keyOznaka);
    return ok(store.previous(doh)) ? doh.vrstadohotka : defaultIncomeType;
}

// The contact person of the ID-1 form added last (physical order, not form number).
void copyLastContact(Store& store, Globals& glo) {
    Id1 id1;
    store.setFile(Id1::table);
    if (!ok(store.previous(id1))) return;
    glo.konime = id1.konime;
    glo.konprezime = id1.konprezime;
    glo.konpoz1 = id1.konpoz1;
    glo.kontel1 = id1.kontel1;
    glo.konpoz2 = id1.konpoz2;
    glo.kontel2 = id1.kontel2;
    glo.konemail = id1.konemail;
}

}  // namespace

bool puniGlobale(Files& files, const Clock& clock, Globals& glo) {
    const FileUse use(files, {&Dohoci::table, &Id1::table});
    if (!use.ok()) return false;
    glo.vrstadoh = lastIncomeType(files.store());
    glo.datumizvj = clock.today();
    copyLastContact(files.store(), glo);
    return true;
}

}  // namespace pramo
