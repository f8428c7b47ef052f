#include "list_bench.h"

#include <stdlib.h>

#include <QKeyEvent>
#include <cstdio>
#include <map>

#include "shell/list/list_panel.h"
#include "shell/list/list_screen.h"
#include "shell/list/page_view.h"

namespace pramo {
namespace {

void press(ListPanel& list, Qt::Key key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(list.view(), &event);
}

// Sizes the window so that the list's page holds `rows` rows.
void fitRows(ListScreen& screen, ListPanel& list, int width, int rows) {
    for (int height = 120; height < 2000 && list.page().capacity() != rows; height += 2) {
        screen.resize(width, height);
        QApplication::processEvents();
    }
}

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

// Keeps the time per iteration of each benchmark beside what the console shows.
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

int& offscreen(int& argc) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
        if (!text.contains("propagateSizeHints")) std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    return argc;
}

}  // namespace

ListBenchData::ListBenchData() : BenchData(std::vector<const TableDef*>{}) { messages.reportQuestions = true; }

void openAndPage(benchmark::State& state, ListBenchData& data, const PagingRun& run) {
    std::size_t shown = 0;
    for (auto _ : state) {
        ListScreen screen(data.ctx, *run.list);
        screen.show();
        ListPanel& list = *screen.panel();
        state.PauseTiming();
        fitRows(screen, list, run.width, pageRows);
        if (!run.firstFillTimed) list.fillFirst();
        state.ResumeTiming();
        if (run.firstFillTimed) list.fillFirst();
        shown += pageThrough(list, pageDowns);
    }
    benchmark::DoNotOptimize(shown);
    state.counters["rows_per_step"] = static_cast<double>(shown) / static_cast<double>(state.iterations() * pageDowns);
}

ListBenchApp::ListBenchApp(int& argc, char** argv) : app_(offscreen(argc), argv) { benchmark::Initialize(&argc, argv); }

int ListBenchApp::run(const std::string& shortRun, const std::string& longRun, const char* what) {
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto shortIt = reporter.seconds.find(shortRun);
    const auto longIt = reporter.seconds.find(longRun);
    if (shortIt != reporter.seconds.end() && longIt != reporter.seconds.end())
        std::printf("open, then %d pages of %d rows: %s = %.2f\n", pageDowns, pageRows, what, longIt->second / shortIt->second);
    benchmark::Shutdown();
    return 0;
}

}  // namespace pramo
