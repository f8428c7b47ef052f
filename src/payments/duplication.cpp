#include "payments/duplication.h"

#include <vector>

#include "payments/lines.h"
#include "payments/payment_dates.h"
#include "records/layouts/dohoci.h"
#include "records/layouts/integrity.h"
#include "records/layouts/obracun.h"
#include "records/layouts/svasta.h"
#include "records/store/key_walk.h"
#include "records/store/read_linked.h"

namespace pramo {
namespace {

// The copies, collected before anything is written.
struct Copies {
    std::vector<Dohoci> items;
    std::vector<Obracun> lines;
    std::vector<Svasta> slots;
};

StoreCode nextItemNumber(Store& store, std::int32_t& number) {
    Dohoci doh;
    const StoreCode c = readLast(store, doh);
    number = doh.oznaka + 1;
    return c;
}

StoreCode collectSlots(Store& store, std::int32_t item, std::int32_t copy, std::vector<Svasta>& slots) {
    return walkNumber(store, Svasta::keyDohodak, Svasta{.dohodak = item}, [&](const Svasta& s) {
        slots.push_back(Svasta{.dohodak = copy, .broj = s.broj, .vrishort = s.vrishort, .vritekst = s.vritekst});
    });
}

// One item of the old payment: its copy numbered `copy`, with its lines and slots.
StoreCode collectItem(Store& store, const Dohoci& doh, std::int32_t copy, std::int32_t isplata, Copies& out) {
    out.items.push_back(Dohoci{.oznaka = copy, .rednibroj = doh.rednibroj, .isplata = isplata,
                               .djelatnik = doh.djelatnik, .vrstadohotka = doh.vrstadohotka, .neto = doh.neto});
    std::vector<Obracun> lines;
    if (const StoreCode c = readLines(store, doh.oznaka, lines); !ok(c)) return c;
    for (const Obracun& l : lines) out.lines.push_back(Obracun{.dohodak = copy, .pozicija = l.pozicija, .iznos = l.iznos});
    return collectSlots(store, doh.oznaka, copy, out.slots);
}

// Every item of payment `from` in key order, numbered on from `next`.
StoreCode collect(Store& store, std::int32_t from, std::int32_t isplata, std::int32_t next, Copies& out) {
    return walkNumber(store, Dohoci::keyIsplata, Dohoci{.isplata = from},
                      [&](const Dohoci& d) { return collectItem(store, d, next++, isplata, out); });
}

// Adds the copies file by file; the file that refused one is named in `failed`.
StoreCode write(Store& store, Copies& copies, const TableDef*& failed) {
    failed = &Dohoci::table;
    if (const StoreCode c = addAll(store, copies.items); !ok(c)) return c;
    failed = &Obracun::table;
    if (const StoreCode c = addAll(store, copies.lines); !ok(c)) return c;
    failed = &Svasta::table;
    return addAll(store, copies.slots);
}

DuplicateOutcome failed(Store& store, const TableDef& file) {
    return {DuplicateStatus::CopyFailed, 0,
            "Greška (" + file.label + "): " + store.error().text() + "\nNova isplata nije napravljena.", {}};
}

// The number (and day) another program took since the proposal, moved on as the request allows.
// Inside the transaction, which holds the write lock, what is free now stays free until the copy
// is written.
StoreCode retake(Store& store, Retake what, Isplate& isp) {
    if (what == Retake::Nothing) return StoreCode::Ok;
    if (store.collides(Isplate::keyOznaka, isp))
        if (const StoreCode c = nextPaymentNumber(store, isp.oznaka); !ok(c)) return c;
    if (what != Retake::NumberAndDay || !store.collides(Isplate::keyRsidIsplatitelj, isp)) return StoreCode::Ok;
    Isplate day;
    if (const StoreCode c = firstFreeDay(store, isp.isplatitelj, isp.datum, day); !ok(c)) return c;
    isp.datum = day.datum;
    isp.rsid = day.rsid;
    isp.godina = day.godina;
    return StoreCode::Ok;
}

// The copy inside its transaction; the caller commits when it is Done.
DuplicateOutcome copyInside(Store& store, const DuplicateRequest& req) {
    Isplate isp{.oznaka = req.number, .isplatitelj = 0, .rsid = req.rsid, .datum = req.datum, .godina = req.godina};
    Isplate old;
    const StoreCode found = readLinked(store, req.from, old);
    if (found == StoreCode::NotFound)
        return {DuplicateStatus::NoSuchPayment, 0, "Nema isplate " + std::to_string(req.from) + ".", {}};
    if (!ok(found)) return failed(store, Isplate::table);
    isp.isplatitelj = old.isplatitelj;
    if (!ok(retake(store, req.retake, isp))) return failed(store, Isplate::table);
    if (!ok(store.add(isp))) return {DuplicateStatus::PaymentRefused, 0, paymentRefusedText, {}};
    std::int32_t next = 0;
    Copies copies;
    if (!ok(nextItemNumber(store, next)) || !ok(collect(store, req.from, isp.oznaka, next, copies)))
        return failed(store, Dohoci::table);
    const TableDef* file = nullptr;
    if (!ok(write(store, copies, file))) return failed(store, *file);
    return {DuplicateStatus::Done, static_cast<int>(copies.items.size()), {}, isp};
}

}  // namespace

StoreCode proposeDuplicate(Store& store, std::int32_t from, Date today, Isplate& old, DuplicateRequest& req) {
    if (const StoreCode c = readLinked(store, from, old); !ok(c)) return c;
    req.from = from;
    if (const StoreCode c = nextPaymentNumber(store, req.number); !ok(c)) return c;
    Isplate fresh;
    if (const StoreCode c = firstFreeDay(store, old.isplatitelj, today, fresh); !ok(c)) return c;
    req.datum = fresh.datum;
    req.rsid = fresh.rsid;
    req.godina = fresh.godina;
    return StoreCode::Ok;
}

DuplicateOutcome duplicatePayment(Store& store, const DuplicateRequest& req) {
    Transaction tx(store, Integrity::timeoutSeconds);
    if (!tx.began()) return failed(store, Isplate::table);
    DuplicateOutcome out = copyInside(store, req);
    if (!out.done()) return out;  // the transaction rolls back: nothing of the copy remains
    if (!ok(tx.commit())) return failed(store, Isplate::table);
    return out;
}

}  // namespace pramo
