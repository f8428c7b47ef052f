#pragma once
// Paging through a list screen as the user's Page Down does, over a short file and a long one: the
// list holds one page and reads by key, so both should cost the same. The benchmark declares the
// list and fills its two data directories; this runs them and prints the ratio of the two.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <string>

#include "bench_data.h"
#include "shell/app_context.h"
#include "shell/list/list_declaration.h"

namespace pramo {

inline constexpr int pageDowns = 20;
inline constexpr int pageRows = 5;  // two pages of the short list

// A data directory with no file kept open (the list opens its own) and what a screen works with.
struct ListBenchData : BenchData {
    ListBenchData();

    Integrity ri{files};
    Globals glo;
    SystemClock clock;
    AppContext ctx{store, files, ri, messages, glo, clock, dir.string()};
};

struct PagingRun {
    const ListSpec* list = nullptr;
    int width = 760;              // the window's width, wide enough for the list's columns
    bool firstFillTimed = false;  // whether the list's first fill counts beside the paging
};

// Opens the list with a page of five rows and pages through it, each step reading a page: Page
// Down, or Home when Page Down could not move the page any more (the short list starts again from
// the top, as its user would).
void openAndPage(benchmark::State& state, ListBenchData& data, const PagingRun& run);

// The run inside an offscreen QApplication, reporting as the console does; afterwards "open, then
// 20 pages of 5 rows: `what` = ratio" of the named long and short benchmarks' times.
class ListBenchApp {
public:
    ListBenchApp(int& argc, char** argv);
    int run(const std::string& shortRun, const std::string& longRun, const char* what);

private:
    QApplication app_;
};

}  // namespace pramo
