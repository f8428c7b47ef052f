// The two lists of POTVRDE.

#include "records/layouts/dohoci.h"
#include "records/layouts/isplate.h"
#include "records/layouts/osobe.h"
#include "records/layouts/subjekti.h"
#include "records/store/read_linked.h"
#include "reports/ui/potvrde_screen.h"

namespace pramo {
namespace {

// The payer of an item's payment; empty when either is not in its register.
std::string payerName(Store& store, const Dohoci& doh) {
    Isplate isp;
    Subjekti sub;
    if (!ok(readLinked(store, doh.isplata, isp)) || !ok(readLinked(store, isp.isplatitelj, sub))) return {};
    return sub.naziv.str();
}

// An OIB and a date are digits, which are wider than the average character.
const ColumnSpec oibColumn = startingWidth(column("OIB", "OIB"), 14);
const ColumnSpec paymentDate = startingWidth(lookup("Datum", "ISPLATA", Isplate::keyOznaka, "DATUM"), 12);

}  // namespace

const ListSpec potvrdeOsobeList{
    .table = &Osobe::table,
    .caption = "Djelatnik",
    .tabs = {{.key = &Osobe::keyPrezimeIme, .locator = Locator::Incremental, .stops = ThumbStops::Surname}},
    .columns = {column("Prezime", "PREZIME"), column("Ime", "IME"), oibColumn, hidden(column("Oznaka", "OZNAKA")),
                hidden(column("Mjesto", "MJESTO")), hidden(column("Ulica", "ULICA")), hidden(column("Kucni Broj", "KUCNIBROJ")),
                hidden(column("Banka", "BANKA")), hidden(column("Racun", "RACUN"))},
    .buttons = {},
};

const ListSpec potvrdeDohociList{
    .table = &Dohoci::table,
    .caption = "Isplaćeni dohoci",
    .tabs = {{.key = &Dohoci::keyDjelatnik, .locator = Locator::None,
              .range = rangeFrom(potvrdeOsobeList, "DJELATNIK", "OZNAKA")}},
    .columns = {computed<Dohoci>("Naziv", payerName), lookup("RSI d", "ISPLATA", Isplate::keyOznaka, "RSID"),
                paymentDate,
                column("Neto", "NETO", {.use = NumberUse::Print}), hidden(column("Djelatnik", "DJELATNIK")),
                hidden(column("Isplata", "ISPLATA"))},
    .buttons = {},
};

}  // namespace pramo
