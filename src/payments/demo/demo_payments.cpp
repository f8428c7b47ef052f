// The payments of the example office, and the office as a whole.

#include <optional>
#include <vector>

#include "payments/demo/demo_office.h"
#include "payments/item_calculation.h"
#include "payments/lines.h"
#include "payments/payment_dates.h"
#include "records/layouts/banke.h"
#include "records/layouts/isplate.h"
#include "records/layouts/mjesta.h"
#include "records/layouts/opcine.h"
#include "records/layouts/osobe.h"
#include "records/layouts/subjekti.h"
#include "records/layouts/ulice.h"
#include "records/layouts/vrstedoh.h"
#include "registers/opcine_import.h"
#include "registers/stope_import.h"

namespace pramo {
namespace demo {
namespace {

struct Item {
    std::int32_t payee;
    std::uint8_t type;
    const char* neto;       // the agreed payout
    std::int16_t method;    // JOPPD payment method: 1 current account, 4 cash
};

struct Payment {
    std::int32_t payer;
    int daysAgo;            // the payment date, counted back from today ...
    std::vector<Item> items;
    std::optional<Date> datum{};  // ... unless it was made on a day of its own
};

// Every payee is paid once in the weeks before today, by today's income types (and at the rates of
// the municipalities); payees without a bank (15 and 23) in cash. The last payment was made in 2016
// by the income types of 2015 and 2016, with the surtax of its days.
const std::vector<Payment> payments = {
    {1, 70, {{1, 1, "1500.00", 1}, {2, 2, "2400.00", 1}, {3, 1, "800.00", 1}, {4, 4, "1250.00", 1},
             {5, 2, "3000.00", 1}, {6, 1, "650.00", 1}, {7, 3, "1800.00", 1}, {8, 5, "340.00", 1}}},
    {1, 40, {{9, 1, "1200.00", 1}, {10, 2, "1950.00", 1}, {11, 4, "900.00", 1}, {12, 6, "412.50", 1},
             {13, 1, "2200.00", 1}, {14, 2, "5000.00", 1}}},
    {1, 10, {{15, 1, "700.00", 4}, {16, 2, "1100.00", 1}, {17, 1, "1350.00", 1}, {18, 3, "2750.00", 1},
             {19, 5, "510.00", 1}}},
    {2, 50, {{20, 1, "980.00", 1}, {21, 1, "1600.00", 1}, {22, 6, "236.40", 1}}},
    {2, 20, {{23, 1, "1450.00", 4}, {24, 1, "850.00", 1}, {25, 4, "1325.00", 1}}},
    {1, 0, {{1, 7, "1200.00", 1}, {2, 8, "2000.00", 1}, {3, 7, "750.00", 1}}, Date::fromYmd(2016, 6, 15)},
};

StoreCode addItem(Store& store, ItemCalculation& calc, const Dohoci& doh, std::int16_t method, std::string& problem) {
    Dohoci rec = doh;
    if (const StoreCode c = store.add(rec); !ok(c)) return c;
    Loc loc;
    const CalcOutcome out = calc.calculate(rec, loc);
    if (!out.written()) {
        problem = out.message;
        return out.status == CalcStatus::StoreFailed ? out.error.code : StoreCode::DuplicateKey;
    }
    return writePaymentMethod(store, rec.oznaka, method) == MethodWrite::Written ? StoreCode::Ok : store.error().code;
}

}  // namespace

StoreCode addPayments(Store& store, const Clock& clock, int& paymentCount, int& itemCount, std::string& problem) {
    ItemCalculation calc(store, clock);
    std::int32_t item = 0;
    for (std::size_t i = 0; i < payments.size(); ++i) {
        const Payment& p = payments[i];
        const Date datum = p.datum.value_or(clock.today() - p.daysAgo);
        Isplate isp{.oznaka = static_cast<std::int32_t>(i + 1), .isplatitelj = p.payer, .rsid = rsIdOf(datum),
                    .datum = datum, .godina = std::to_string(datum.year())};
        if (const StoreCode c = store.add(isp); !ok(c)) return c;
        std::uint16_t rednibroj = 0;
        for (const Item& it : p.items) {
            const Dohoci doh{.oznaka = ++item, .rednibroj = ++rednibroj, .isplata = isp.oznaka, .djelatnik = it.payee,
                             .vrstadohotka = it.type, .neto = *Money::parse(it.neto)};
            if (const StoreCode c = addItem(store, calc, doh, it.method, problem); !ok(c)) return c;
        }
    }
    paymentCount = static_cast<int>(payments.size());
    itemCount = item;
    return StoreCode::Ok;
}

}  // namespace demo

namespace {

// The files the demo fills from nothing (the municipalities are loaded whatever they hold).
bool holdsData(Store& store, std::string& which) {
    for (const TableDef* t : {&Isplate::table, &Subjekti::table, &Osobe::table, &Vrstedoh::table, &Mjesta::table,
                              &Ulice::table, &Banke::table}) {
        std::int64_t n = 0;
        if (ok(store.count(*t, n)) && n == 0) continue;
        which = t->name;
        return true;
    }
    return false;
}

DemoOutcome refused(std::string message) { return {.made = false, .message = std::move(message)}; }

}  // namespace

DemoOutcome makeDemoOffice(Store& store, const Clock& clock) {
    if (std::string which; holdsData(store, which)) {
        DemoOutcome out = refused("mapa podataka već ima podatke (" + which + "); primjer ureda traži novu");
        out.occupied = true;
        return out;
    }
    Transaction tx(store, Store::lockWaitSeconds);
    if (!tx.began()) return refused("mapa podataka je zaključana: " + store.error().text());
    const refdata::FileText municipalities = shippedMunicipalities();
    if (!municipalities.ok()) return refused("općine nije moguće učitati: " + municipalities.problem);
    if (const ImportOutcome opc = importOpcine(store, municipalities.text); !ok(opc.code) || !opc.problems.empty())
        return refused("općine nije moguće učitati: " + store.error().text());
    const refdata::FileText rates = shippedMunicipalRates();
    if (!rates.ok()) return refused("stope poreza općina nije moguće učitati: " + rates.problem);
    if (const ImportOutcome sto = importStope(store, rates.text, shippedRatesTable().from); !sto.written())
        return refused("stope poreza općina nije moguće učitati: " + store.error().text());
    DemoOutcome out{.made = true};
    std::string problem;
    StoreCode c = demo::addRegisters(store, out.payees);
    if (ok(c)) c = demo::addPayments(store, clock, out.payments, out.items, problem);
    if (ok(c)) c = tx.commit();
    if (!ok(c)) return refused("ništa nije zapisano: " + (problem.empty() ? store.error().text() : problem));
    return out;
}

}  // namespace pramo
