#include "payments/payment_items.h"

#include "records/store/cursor.h"

namespace pramo {

StoreCode forEachItem(Store& store, std::int32_t isplata, const std::function<StoreCode(const Dohoci&)>& f) {
    Cursor cursor(store, Dohoci::keyIsplata);
    Dohoci doh;
    doh.isplata = isplata;
    cursor.setFrom(doh);
    for (;;) {
        const StoreCode c = cursor.next(doh);
        if (c == StoreCode::NoMoreRecords || (ok(c) && doh.isplata != isplata)) return StoreCode::Ok;
        if (!ok(c)) return c;
        if (const StoreCode r = f(doh); !ok(r)) return r;
    }
}

}  // namespace pramo
