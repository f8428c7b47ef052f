#include "payments/positions.h"

#include "payments/working_values.h"
#include "records/layouts/pozicije.h"

namespace pramo {

StoreCode upgradePositions(Store& store) {
    Pozicije poz;
    store.set(Pozicije::keyOznaka);
    const StoreCode c = store.previous(poz);
    if (c == StoreCode::NoMoreRecords) return StoreCode::Ok;
    if (!ok(c)) return c;
    if (poz.oznaka != number(Pozicija::Odbitak)) return StoreCode::Ok;
    poz.oznaka = number(Pozicija::Kriznica);
    poz.naziv = "Kriznica";
    if (auto a = store.add(poz); !ok(a)) return a;
    poz.oznaka = number(Pozicija::PoslijeKriznice);
    poz.naziv = "Poslije Kriznice";
    return store.add(poz);
}

}  // namespace pramo
