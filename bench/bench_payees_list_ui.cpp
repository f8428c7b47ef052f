// The payees' list as the menu opens it, over ten payees and over a hundred thousand: open the list
// and page down through it by surname with a page of five rows, as the user's Page Down does (the
// short list goes back to its top when it can go no further, so that every step reads a page in
// both). Each row looks up its place and street by number. The list holds one page and reads by
// key, so both should cost the same; the ratio of the two is printed at the end.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>

#include "records/layouts/integrity.h"
#include "records/layouts/mjesta.h"
#include "records/layouts/osobe.h"
#include "records/layouts/ulice.h"
#include "registers/ui/register_lists.h"
#include "shell/list/list_panel.h"
#include "shell/list/list_screen.h"
#include "shell/list/page_view.h"

namespace pramo {
namespace {

constexpr int pageDowns = 20;
constexpr int pageRows = 5;  // two pages of the short list

class CountingMessages : public Messages {
public:
    int ask(const MessageBox& box) override {
        std::fprintf(stderr, "unexpected message: %s\n", box.text.c_str());
        return box.defaultButton;
    }
    void halt(const std::string& text) override {
        std::fprintf(stderr, "halted: %s\n", text.c_str());
        std::exit(1);
    }
};

std::string randomName(std::uint64_t& seed, int letters) {
    std::string name;
    for (int c = 0; c < letters; ++c) {
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        name += static_cast<char>((c == 0 ? 'A' : 'a') + (seed >> 59) % 26);
    }
    return name;
}

// One data directory with `payees` payees living in 100 places on 100 streets.
struct DataDir {
    std::filesystem::path path;
    Store store;
    CountingMessages messages;
    Files files{store, messages};
    Integrity ri{files};
    Globals glo;
    SystemClock clock;
    std::unique_ptr<AppContext> ctx;

    explicit DataDir(std::int64_t payees) {
        path = std::filesystem::temp_directory_path() / ("pramo_bench_payees_" + std::to_string(payees));
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
        if (!ok(store.openDatabase((path / "pramo.db").string()))) std::exit(1);
        ctx = std::make_unique<AppContext>(AppContext{store, files, ri, messages, glo, clock, path.string()});
        fill(payees);
    }
    ~DataDir() {
        ctx.reset();
        store.closeDatabase();
        std::filesystem::remove_all(path);
    }
    void add(auto rec) {
        if (!ok(store.add(rec))) std::exit(1);
    }
    void fill(std::int64_t payees) {
        FileUse use(files, {&Osobe::table, &Mjesta::table, &Ulice::table});
        Transaction tx(store, Store::lockWaitSeconds);
        std::uint64_t seed = 12345;
        for (int i = 1; i <= 100; ++i) {
            add(Mjesta{.oznaka = i, .naziv = randomName(seed, 8), .opcina = 1});
            add(Ulice{.oznaka = i, .naziv = randomName(seed, 9) + " " + std::to_string(i)});
        }
        for (std::int64_t i = 1; i <= payees; ++i) {
            add(Osobe{.oznaka = static_cast<std::int32_t>(i), .ime = randomName(seed, 6), .prezime = randomName(seed, 9),
                      .mjesto = static_cast<std::int32_t>(i % 100 + 1), .ulica = static_cast<std::int32_t>(i % 97 + 1),
                      .kucnibroj = std::to_string(i % 150 + 1), .drugistup = "DA"});
        }
        if (!ok(tx.commit())) std::exit(1);
    }
};

DataDir* small = nullptr;
DataDir* large = nullptr;

void press(ListPanel& list, Qt::Key key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(list.view(), &event);
}

// Sizes the window so that the list's page holds `rows` rows.
void fitRows(ListScreen& screen, ListPanel& list, int rows) {
    for (int height = 120; height < 2000 && list.page().capacity() != rows; height += 2) {
        screen.resize(1200, height);
        QApplication::processEvents();
    }
}

// Each step reads a page: Page Down, or Home when Page Down could not move the page any more.
std::size_t pageThrough(ListPanel& list, int steps) {
    std::size_t rows = 0;
    for (int i = 0; i < steps; ++i) {
        const std::int64_t top = list.page().empty() ? 0 : list.page().rows().front().pos.id;
        press(list, Qt::Key_PageDown);
        if (!list.page().empty() && list.page().rows().front().pos.id == top) press(list, Qt::Key_Home);
        rows += list.page().rows().size();
    }
    return rows;
}

void openAndPage(benchmark::State& state, DataDir& data) {
    std::size_t shown = 0;
    for (auto _ : state) {
        ListScreen screen(*data.ctx, osobeList);
        screen.show();
        ListPanel& list = *screen.panel();
        state.PauseTiming();
        fitRows(screen, list, pageRows);
        state.ResumeTiming();
        list.fillFirst();
        shown += pageThrough(list, pageDowns);
    }
    benchmark::DoNotOptimize(shown);
    state.counters["rows_per_step"] = static_cast<double>(shown) / static_cast<double>(state.iterations() * pageDowns);
}

void BM_PayeesListOverTen(benchmark::State& state) { openAndPage(state, *small); }
void BM_PayeesListOverAHundredThousand(benchmark::State& state) { openAndPage(state, *large); }
BENCHMARK(BM_PayeesListOverTen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PayeesListOverAHundredThousand)->Unit(benchmark::kMillisecond);

// Prints as the console does and keeps the time per iteration of each benchmark.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Iteration && r.iterations > 0)
                seconds[r.benchmark_name()] = r.real_accumulated_time / static_cast<double>(r.iterations);
    }
    std::map<std::string, double> seconds;
};

}  // namespace
}  // namespace pramo

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
        if (!text.contains("propagateSizeHints")) std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    pramo::DataDir small(10), large(100'000);
    pramo::small = &small;
    pramo::large = &large;
    pramo::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto ten = reporter.seconds.find("BM_PayeesListOverTen");
    const auto many = reporter.seconds.find("BM_PayeesListOverAHundredThousand");
    if (ten != reporter.seconds.end() && many != reporter.seconds.end())
        std::printf("open, then %d pages of %d rows: 10^5 payees / 10 payees = %.2f\n", pramo::pageDowns, pramo::pageRows,
                    many->second / ten->second);
    benchmark::Shutdown();
    return 0;
}
