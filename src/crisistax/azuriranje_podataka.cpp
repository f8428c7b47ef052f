#include "crisistax/azuriranje_podataka.h"

#include <charconv>
#include <limits>
#include <set>

#include "crisistax/vrste_primitka.h"
#include "payments/item_context.h"
#include "payments/working_values.h"
#include "records/layouts/integrity.h"
#include "records/layouts/kriznica.h"
#include "records/store/key_walk.h"
#include "records/store/read_linked.h"

namespace pramo {
namespace {

// What the payments of the month add up to.
struct Totals {
    std::set<std::int32_t> primatelji;  // payees of items with crisis tax
    Total neto;
    Total kriznica;
};

// A failure of the store while working on `t`: the standard warning `id` naming the file.
FillOutcome failed(Store& store, Warning id, const TableDef& t, std::string_view operation = {}) {
    return {.line = {}, .message = standardWarning(id, store.error(), t.label, operation)};
}

FillOutcome refused(std::string text) {
    return {.line = {}, .message = namedBox("AŽURIRANJE PODATAKA", std::move(text), "OK", Icon::Exclamation)};
}

// The return's year as a number; 0 (no payment matches) when it is not one.
int yearOf(const Kriznica& kri) {
    const std::string_view text = kri.godina.view();
    int year = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), year);
    return ec == std::errc{} && end == text.data() + text.size() ? year : 0;
}

bool inMonth(const Isplate& isp, const Kriznica& kri) {
    return !isp.datum.isNull() && isp.datum.year() == yearOf(kri) && isp.datum.month() == kri.mjesec;
}

// Adds the item when its crisis-tax line is above zero; other items are not counted at all.
void addItem(const ItemContext& item, Totals& t) {
    Money kriznica, neto;
    for (const Obracun& obr : item.lines) {
        if (obr.pozicija == number(Pozicija::Kriznica)) kriznica = obr.iznos;
        if (obr.pozicija == number(Pozicija::Neto)) neto = obr.iznos;
    }
    if (kriznica <= Money{}) return;
    t.primatelji.insert(item.doh.djelatnik);
    t.neto += neto;
    t.kriznica += kriznica;
}

// Every item of every payment of the return's payer dated in its month. A failure names the
// file it came from in `file`.
StoreCode addPayments(Store& store, const Kriznica& kri, Totals& t, const TableDef*& file) {
    ItemReader items(store, {.lines = true});
    const StoreCode c = walkNumber(store, Isplate::keyIsplatitelj, Isplate{.isplatitelj = kri.isplatitelj}, [&](const Isplate& isp) {
        if (!inMonth(isp, kri)) return StoreCode::Ok;
        return items.forPayment(isp.oznaka, [&t](const ItemContext& item) {
            addItem(item, t);
            return StoreCode::Ok;
        });
    });
    file = items.failed() ? items.failed() : &Isplate::table;
    return c;
}

// The line's values from the totals; false when one does not fit its field.
bool fill(const Totals& t, Detkriz& dkr) {
    if (t.primatelji.size() > static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max())) return false;
    Flags flags;
    dkr.broj = static_cast<std::int16_t>(t.primatelji.size());
    dkr.osnovica = t.neto.into<Money>(flags);
    dkr.iznos = t.kriznica.into<Money>(flags);
    return !flags.any();
}

// Rewrites the return's kind-3 line, or adds it.
StoreCode writeLine(Store& store, Detkriz& line) {
    Detkriz dkr{.kriznica = line.kriznica, .vrsta = line.vrsta};
    const StoreCode found = store.get(Detkriz::keyGlavni, dkr);
    if (found == StoreCode::NotFound) return store.add(line);
    if (!ok(found)) return found;
    line.row = dkr.row;
    return store.put(line);
}

FillOutcome fillWithin(Store& store, std::int32_t kriznica) {
    Kriznica kri;
    const StoreCode r = readLinked(store, kriznica, kri);
    if (r == StoreCode::NotFound) return refused("Obrazac broj " + std::to_string(kriznica) + " više ne postoji.");
    if (!ok(r)) return failed(store, Warning::RetrievalError, Kriznica::table);
    Totals totals;
    const TableDef* file = &Isplate::table;
    if (!ok(addPayments(store, kri, totals, file))) return failed(store, Warning::RetrievalError, *file);
    Detkriz line{.kriznica = kri.oznaka, .vrsta = number(VrstaPrimitka::DrugiDohodak)};
    if (!fill(totals, line)) return refused("Zbroj drugog dohotka ne stane u polje obrasca; ništa nije upisano.");
    if (!ok(writeLine(store, line))) return failed(store, Warning::UpdateError, Detkriz::table);
    return {.line = line, .message = std::nullopt};
}

}  // namespace

const std::vector<const TableDef*>& azuriranjeFiles() {
    static const std::vector<const TableDef*> files{&Kriznica::table, &Detkriz::table, &Isplate::table,
                                                    &Dohoci::table, &Obracun::table};
    return files;
}

FillOutcome azuriranjePodataka(Store& store, std::int32_t kriznica) {
    Transaction tx(store, Integrity::timeoutSeconds);
    if (!tx.began()) return failed(store, Warning::TransactionError, Detkriz::table, "Ažuriranje");
    FillOutcome out = fillWithin(store, kriznica);
    if (!out.written()) return out;  // the transaction rolls back
    if (!ok(tx.commit())) return failed(store, Warning::TransactionError, Detkriz::table, "Ažuriranje");
    return out;
}

}  // namespace pramo
