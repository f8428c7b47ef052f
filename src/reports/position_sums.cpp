#include "reports/position_sums.h"

#include "records/layouts/obracun.h"
#include "records/store/cursor.h"

namespace pramo {

void PositionSums::add(std::uint16_t position, Sum amount) {
    Sum& s = sums_[position];
    s = plus(s, amount);
}

void PositionSums::add(const PositionSums& other) {
    for (const auto& [position, amount] : other.sums_) add(position, amount);
}

Sum PositionSums::at(std::uint16_t position) const {
    const auto it = sums_.find(position);
    return it == sums_.end() ? Sum{} : it->second;
}

StoreCode addItemLines(ReportReads& reads, std::int32_t item, PositionSums& sums) {
    Cursor cursor(reads.store(), Obracun::keyDohodak);
    cursor.setReadAhead(16);
    Obracun obr;
    obr.dohodak = item;
    cursor.setFrom(obr);
    for (;;) {
        const StoreCode c = cursor.next(obr);
        if (c == StoreCode::NoMoreRecords || (ok(c) && obr.dohodak != item)) return StoreCode::Ok;
        if (!ok(c)) return reads.check(c, Obracun::table);
        sums.add(obr.pozicija, obr.iznos);
    }
}

StoreCode forPaymentItems(ReportReads& reads, std::int32_t payment, const std::function<StoreCode(const Dohoci&)>& f) {
    Cursor cursor(reads.store(), Dohoci::keyIsplata);
    Dohoci doh{.isplata = payment};
    cursor.setFrom(doh);
    for (;;) {
        const StoreCode c = cursor.next(doh);
        if (c == StoreCode::NoMoreRecords || (ok(c) && doh.isplata != payment)) return StoreCode::Ok;
        if (!ok(c)) return reads.check(c, Dohoci::table);
        if (const StoreCode b = f(doh); !ok(b)) return b;
    }
}

}  // namespace pramo
