// The payment orders of one payment with 10 and with 1 000 income items, in one run each: the
// items are read, every order is laid out (HUB-3A with its 2D code) and the pages built. The time
// per order must not grow with the payment.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdlib>
#include <filesystem>

#include "orders/order_reports.h"
#include "payments/lines.h"
#include "records/layouts/all_tables.h"
#include "records/layouts/banke.h"
#include "records/layouts/dohoci.h"
#include "records/layouts/isplate.h"
#include "records/layouts/mjesta.h"
#include "records/layouts/opcine.h"
#include "records/layouts/osobe.h"
#include "records/layouts/subjekti.h"
#include "records/layouts/ulice.h"
#include "records/layouts/vrstedoh.h"
#include "records/store/files.h"

namespace pramo {
namespace {

template <class D>
D dec(const char* text) {
    return *D::parse(text);
}

class QuietMessages : public Messages {
public:
    int ask(const MessageBox& box) override { return box.defaultButton; }
    void halt(const std::string&) override { std::abort(); }
};

template <class R>
void add(Store& store, R rec) {
    if (!ok(store.add(rec))) std::abort();
}

// Lines of an author's fee of net 1000,00 in Zagreb.
Lines feeLines() {
    Lines l;
    l[Pozicija::Bruto] = dec<Money>("1439.26");
    l[Pozicija::MirovinskoI] = dec<Money>("151.12");
    l[Pozicija::MirovinskoII] = dec<Money>("50.37");
    l[Pozicija::Porez] = dec<Money>("201.50");
    l[Pozicija::Prirez] = dec<Money>("36.27");
    l[Pozicija::Neto] = dec<Money>("1000.00");
    l[Pozicija::Zdravstveno] = dec<Money>("151.12");
    return l;
}

// A data directory with a payer, three payees in two municipalities and payment 1 of `items` items.
struct Data {
    explicit Data(int items) {
        char tmpl[] = "/tmp/pramo-bench-XXXXXX";
        dir = mkdtemp(tmpl);
        if (!ok(store.openDatabase(dir + "/pramo.db"))) std::abort();
        for (const TableDef* t : allTables()) if (!ok(files.open(*t))) std::abort();
        Transaction tx(store, Store::lockWaitSeconds);
        addRegisters();
        for (int i = 1; i <= items; ++i) addItem(i);
        if (!ok(tx.commit())) std::abort();
    }
    ~Data() {
        store.closeDatabase();
        std::filesystem::remove_all(dir);
    }

    void addRegisters() {
        add(store, Opcine{.oznaka = 1, .shifra = "1333", .naziv = "ZAGREB", .rkont = "HR11", .racunporez = "1713312009"});
        add(store, Opcine{.oznaka = 2, .shifra = "4090", .naziv = "SPLIT", .rkont = "HR27", .racunporez = "1740912004"});
        add(store, Mjesta{.oznaka = 1, .naziv = "Zagreb", .opcina = 1, .postbroj = "10000"});
        add(store, Mjesta{.oznaka = 2, .naziv = "Split", .opcina = 2, .postbroj = "21000"});
        add(store, Ulice{.oznaka = 1, .naziv = "Ilica"});
        add(store, Banke{.oznaka = 1, .naziv = "Zagrebačka banka", .vodecibroj = "2360000"});
        add(store, Subjekti{.oznaka = 1, .naziv = "Pramo d.o.o.", .oib = "12345678903", .mjesto = 1, .ulica = 1,
                            .kucnibroj = "1", .banka = 1, .rkont = "HR54", .racun = "3200000007"});
        for (std::int32_t p = 1; p <= 3; ++p) {
            add(store, Osobe{.oznaka = p, .ime = "Ivan", .prezime = "Horvat", .mjesto = 1 + p % 2, .ulica = 1,
                             .kucnibroj = "10", .banka = 1, .rkont = "HR60", .racun = "1101234567", .model = "00",
                             .racunpoziv = "2023-0042"});
        }
        add(store, Vrstedoh{.oznaka = 1, .naziv = "Autorski honorar", .rezstringa = "02"});
        add(store, Isplate{.oznaka = 1, .isplatitelj = 1, .rsid = "23032", .datum = *Date::fromYmd(2023, 2, 1)});
    }
    void addItem(int i) {
        add(store, Dohoci{.oznaka = i, .isplata = 1, .djelatnik = 1 + i % 3, .vrstadohotka = 1, .neto = dec<Money>("1000")});
        if (!ok(writeLines(store, i, feeLines()))) std::abort();
    }

    std::string dir;
    Store store;
    QuietMessages messages;
    Files files{store, messages};
};

void orders(benchmark::State& state, const ReportSpec& spec) {
    Data data(static_cast<int>(state.range(0)));
    const ReportArgs args{.payment = 1, .printer = PrinterKind::Laser};
    FixedClock clock(*Date::fromYmd(2023, 2, 1));
    SilentProgress progress;
    std::size_t orders = 0;
    for (auto _ : state) {
        const ReportResult r = runDeclaredReport(spec, data.files, args, clock, progress);
        if (r.end != RunEnd::Pages) state.SkipWithError("no pages");
        orders = r.text.size() / 16;  // "NALOG=n" and fifteen fields per order
        benchmark::DoNotOptimize(r.pages.data());
    }
    state.counters["orders"] = static_cast<double>(orders);
    state.counters["per_order"] = benchmark::Counter(static_cast<double>(orders) * static_cast<double>(state.iterations()),
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_Hub3a(benchmark::State& state) { orders(state, hub3aReport); }
void BM_Hub3(benchmark::State& state) { orders(state, hub3Report); }
BENCHMARK(BM_Hub3a)->Arg(10)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Hub3)->Arg(10)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pramo

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
