// Income items per second: through the calculation engine alone, and through the item
// calculation that looks up the references and writes twelve lines per item in one transaction.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "payments/engine.h"
#include "payments/item_calculation.h"
#include "records/layouts/dohoci.h"
#include "records/store/files.h"
#include "shell/messages.h"
#include "records/layouts/mjesta.h"
#include "records/layouts/obracun.h"
#include "records/layouts/opcine.h"
#include "records/layouts/osobe.h"
#include "records/layouts/porstope.h"
#include "records/layouts/vrstedoh.h"

namespace pramo {
namespace {

template <class D>
D dec(const char* text) {
    return *D::parse(text);
}

Terms singleRate() {
    Terms t;
    t.rates = {Rate{}, dec<Rate>("30"), dec<Rate>("15"), dec<Rate>("5"), dec<Rate>("15"), dec<Rate>("25")};
    t.stopaprireza = dec<Rate7>("18");
    return t;
}

Terms multipleRates() {
    Terms t = singleRate();
    t.visestopa = true;
    t.osobniodbitak = dec<Rate7>("2200");
    t.faktorodbitka = dec<Rate>("1");
    t.brackets = {{dec<Rate>("12"), dec<Amount9>("2200")}, {dec<Rate>("25"), dec<Amount9>("8800")},
                  {dec<Rate>("40"), dec<Amount9>("9999999.99")}};
    return t;
}

// Nets from 100.00 to 9999.99 so that the arithmetic meets many different fractions.
Money netOf(std::int64_t i) { return Money::fromRaw(10000 + (i * 7919) % 990000); }

void engineItems(benchmark::State& state, const Terms& t) {
    std::int64_t i = 0;
    for (auto _ : state) {
        Loc loc;
        Flags flags;
        benchmark::DoNotOptimize(calculate(t, netOf(++i), 2015, loc, flags));
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_EngineSingleRate(benchmark::State& state) { engineItems(state, singleRate()); }
void BM_EngineMultipleRates(benchmark::State& state) { engineItems(state, multipleRates()); }
BENCHMARK(BM_EngineSingleRate);
BENCHMARK(BM_EngineMultipleRates);

class QuietMessages : public Messages {
public:
    int ask(const MessageBox& box) override { return box.defaultButton; }
    void halt(const std::string&) override { std::abort(); }
};

// A data directory with the registers an item needs and `items` items of payee 1 and type 1.
struct Data {
    explicit Data(int items) {
        char tmpl[] = "/tmp/pramo-bench-XXXXXX";
        dir = mkdtemp(tmpl);
        if (!ok(store.openDatabase(dir + "/pramo.db"))) std::abort();
        for (const TableDef* t : {&Opcine::table, &Mjesta::table, &Osobe::table, &Vrstedoh::table,
                                  &Porstope::table, &Dohoci::table, &Obracun::table})
            if (!ok(files.open(*t))) std::abort();
        addRegisters();
        Transaction tx(store, Store::lockWaitSeconds);
        for (int i = 1; i <= items; ++i) addItem(i);
        (void)tx.commit();
    }
    ~Data() {
        store.closeDatabase();
        std::filesystem::remove_all(dir);
    }

    void addRegisters() {
        Opcine opc;
        opc.oznaka = 1;
        opc.stopaprireza = dec<Rate7>("18");
        Mjesta mje;
        mje.oznaka = 1;
        mje.opcina = 1;
        Osobe oso;
        oso.oznaka = 1;
        oso.mjesto = 1;
        oso.drugistup = "DA";
        Vrstedoh vrs;
        vrs.oznaka = 1;
        const Rates r = singleRate().rates;
        vrs.priznatitroskovi = r.priznatitroskovi;
        vrs.mirovinskoistup = r.mirovinskoistup;
        vrs.mirovinskoiistup = r.mirovinskoiistup;
        vrs.zdravstvenoosiguranje = r.zdravstveno;
        vrs.poreznastopa = r.poreznastopa;
        if (!ok(store.add(opc)) || !ok(store.add(mje)) || !ok(store.add(oso)) || !ok(store.add(vrs))) std::abort();
    }
    void addItem(int i) {
        Dohoci doh;
        doh.oznaka = i;
        doh.djelatnik = 1;
        doh.vrstadohotka = 1;
        doh.neto = netOf(i);
        if (!ok(store.add(doh))) std::abort();
    }

    std::string dir;
    Store store;
    QuietMessages messages;
    Files files{store};
};

// Each item is recalculated as its form's calculate button does: look-up, calculation, and its
// twelve lines rewritten (or added, on the first pass) in one transaction.
void BM_ItemCalculation(benchmark::State& state) {
    const int items = 2000;
    Data data(items);
    FixedClock clock(*Date::fromYmd(2015, 3, 1));
    ItemCalculation calc(data.store, clock);
    Dohoci doh;
    std::int64_t i = 0;
    for (auto _ : state) {
        doh.oznaka = static_cast<std::int32_t>(i++ % items) + 1;
        if (!ok(data.store.get(Dohoci::keyOznaka, doh))) state.SkipWithError("item not found");
        Loc loc;
        if (!calc.calculate(doh, loc).written()) state.SkipWithError("not written");
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ItemCalculation)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace pramo

BENCHMARK_MAIN();
