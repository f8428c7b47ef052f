#include "shell/desktop/puniglobale.h"

#include "records/layouts/dohoci.h"
#include "records/layouts/id1.h"
#include "shell/screen_files.h"

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
    if (ok(store.previous(id1))) copyContact(id1, glo);
}

}  // namespace

bool puniGlobale(AppContext& ctx) {
    const ScreenFiles use(ctx, {&Dohoci::table, &Id1::table});
    if (!use.ok()) return false;
    ctx.glo.vrstadoh = lastIncomeType(ctx.store);
    ctx.glo.datumizvj = ctx.clock.today();
    copyLastContact(ctx.store, ctx.glo);
    return true;
}

}  // namespace pramo
