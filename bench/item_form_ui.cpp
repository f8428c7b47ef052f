// Entering one income item as its form does (reserve the item with its twelve lines, choose the
// payee and the type, accept the net, which calculates, OK) over a data directory of ten items and
// over one of 100 000: the cost must not grow with the files. The ratio of the two is printed at the
// end, with its aim.

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

#include "payments/lines.h"
#include "payments/ui/item_form_flow.h"
#include "records/layouts/isplate.h"
#include "records/layouts/mjesta.h"
#include "records/layouts/opcine.h"
#include "records/layouts/osobe.h"
#include "records/layouts/svasta.h"
#include "records/layouts/vrstedoh.h"
#include "support/bench_data.h"
#include "support/ratios.h"

namespace pramo {
namespace {

constexpr int itemsPerPayment = 10;

// A data directory of its own with the registers and `items` calculated items, removed at the end.
struct Office : BenchData {
    Integrity ri{files};
    Globals glo;
    FixedClock clock{*Date::fromYmd(2015, 3, 14)};
    AppContext ctx{store, files, ri, messages, glo, clock};

    explicit Office(int items) {
        Transaction tx(store, Store::lockWaitSeconds);
        registers();
        for (std::int32_t item = 1; item <= items; ++item) addItem(item);
        (void)tx.commit();
    }
    void registers() {
        Opcine opc{.oznaka = 1, .shifra = "1333", .naziv = "ZAGREB", .stopaprireza = *Rate7::parse("18")};
        Mjesta mje{.oznaka = 1, .naziv = "Zagreb", .opcina = 1};
        Osobe oso{.oznaka = 1, .ime = "Ivan", .prezime = "Horvat", .oib = "69435151530", .mjesto = 1, .drugistup = "DA"};
        Vrstedoh vrs{.oznaka = 2, .naziv = "Autorski honorar", .poreznastopa = *Rate::parse("25"), .visestopa = "NE",
                     .priznatitroskovi = *Rate::parse("30"), .mirovinskoistup = *Rate::parse("15"),
                     .mirovinskoiistup = *Rate::parse("5"), .zdravstvenoosiguranje = *Rate::parse("15")};
        (void)store.add(opc), (void)store.add(mje), (void)store.add(oso), (void)store.add(vrs);
    }

    // Item `item` of payment item / 10 with its twelve lines and its payment method.
    void addItem(std::int32_t item) {
        const std::int32_t isplata = (item - 1) / itemsPerPayment + 1;
        if ((item - 1) % itemsPerPayment == 0) {
            Isplate isp{.oznaka = isplata};
            (void)store.add(isp);
        }
        Dohoci doh{.oznaka = item, .rednibroj = static_cast<std::uint16_t>((item - 1) % itemsPerPayment + 1),
                   .isplata = isplata, .djelatnik = 1, .vrstadohotka = 2, .neto = *Money::parse("1000")};
        (void)store.add(doh);
        Lines lines;
        lines[Pozicija::Neto] = doh.neto;
        (void)writeLines(store, item, lines);
        (void)writePaymentMethod(store, item, 1);
    }
};

Office& office(int items) {
    static std::map<int, std::unique_ptr<Office>> offices;
    auto& o = offices[items];
    if (!o) o = std::make_unique<Office>(items);
    return *o;
}

// One item into payment 1 (ten items already), removed again outside the measured time.
void BM_EnterItem(benchmark::State& state) {
    Office& o = office(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        RecordBuffer rec(Dohoci::table);
        rec.as<Dohoci>().isplata = 1;
        {
            ItemFormFlow flow(o.ctx, rec, Request::Insert);
            if (!flow.open()) state.SkipWithError("the item could not be reserved");
            flow.choosePayee(1);
            flow.chooseType(2);
            flow.acceptNet(*Money::parse("1000"));
            if (!flow.confirm() || flow.response() != Response::Completed) state.SkipWithError("the item was not saved");
        }
        state.PauseTiming();
        Money bruto;
        if (!ok(readAmount(o.store, rec.as<Dohoci>().oznaka, Pozicija::Bruto, bruto)) || bruto != *Money::parse("1439.26"))
            state.SkipWithError("the item was not calculated");
        (void)o.ri.remove(rec.as<Dohoci>());
        state.ResumeTiming();
    }
}
BENCHMARK(BM_EnterItem)->Arg(10)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace pramo

int main(int argc, char** argv) {
    return pramo::runWithRatios(argc, argv,
                                {{"Entering one item, office of 10^5 items / of 10", "BM_EnterItem/100000", "BM_EnterItem/10", 1.1}});
}
