#include "payments/payment_dates.h"

#include <cstdio>

#include "records/store/read_linked.h"

namespace pramo {

std::string rsIdOf(Date d) {
    if (d.isNull() || d.year() < 2000 || d.year() > 2099) return {};
    char text[32];
    std::snprintf(text, sizeof text, "%02d%03d", d.year() - 2000, d.dayOfYear());
    return text;
}

void rsIdFromDate(Isplate& isp) {
    const std::string given = rsIdOf(isp.datum);
    if (!given.empty() && std::stoi(given) > lastKeptRsId) isp.rsid = given;
}

StoreCode firstFreeDay(Store& store, std::int32_t isplatitelj, Date from, Isplate& isp) {
    for (Date d = from;; d = d + 1) {
        Isplate taken{.isplatitelj = isplatitelj, .rsid = rsIdOf(d), .godina = std::to_string(d.year())};
        const StoreCode c = store.get(Isplate::keyRsidIsplatitelj, taken);
        if (ok(c)) continue;
        if (c != StoreCode::NotFound) return c;
        isp.isplatitelj = isplatitelj;
        isp.datum = d;
        isp.rsid = rsIdOf(d);
        isp.godina = std::to_string(d.year());
        return StoreCode::Ok;
    }
}

StoreCode nextPaymentNumber(Store& store, std::int32_t& number) {
    Isplate isp;
    const StoreCode c = readLast(store, isp);
    if (ok(c)) number = isp.oznaka + 1;
    return c;
}

StoreCode upgradePaymentYears(Store& store) {
    if (store.checkTable(Isplate::table) != StoreCode::Ok) return StoreCode::Ok;
    std::int64_t stale = 0;
    if (const StoreCode c = store.verifyKeys(Isplate::table, stale); !ok(c) || stale == 0) return c;
    return store.rebuildKeys(Isplate::table);
}

}  // namespace pramo
