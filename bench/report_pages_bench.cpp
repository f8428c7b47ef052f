// Building, drawing and converting report pages: the cost per row and per page must not grow
// with the report's length.

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "preview/page_painter.h"
#include "preview/page_text.h"
#include "reports/listing.h"
#include "support/bench_data.h"

namespace pramo {
namespace {

const ListingLayout& layout() {
    static const ListingLayout l{.title = QStringLiteral("Benchmark"),
                                 .columns = {{QStringLiteral("Shifra"), 12.0, 16.0},
                                             {QStringLiteral("Naziv"), 30.0, 62.0},
                                             {QStringLiteral("Stopa"), 150.0, 26.0, Align::Right}}};
    return l;
}

std::vector<Page> listing(std::int64_t rows) {
    ReportBuilder b = listingBuilder(layout(), nullptr);
    for (std::int64_t i = 0; i < rows; ++i) {
        b.add(listingRow(layout(), {QString::number(i), QStringLiteral("Općina %1").arg(i), QStringLiteral("18,00")}));
    }
    return b.finish();
}

void buildListing(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(listing(state.range(0)));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(buildListing)->Arg(100)->Arg(1000)->Arg(10000);

void pagesAsText(benchmark::State& state) {
    const std::vector<Page> pages = listing(state.range(0));
    for (auto _ : state) {
        for (const Page& p : pages) benchmark::DoNotOptimize(pageAsText(p));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(pages.size()));
}
BENCHMARK(pagesAsText)->Arg(100)->Arg(1000);

void paintThumbnail(benchmark::State& state) {
    const std::vector<Page> pages = listing(60);
    QImage image(420, 594, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&image);
        paintPage(p, pages.front(), QRectF(0, 0, 420, 594));
    }
}
BENCHMARK(paintThumbnail);

}  // namespace
}  // namespace pramo

int main(int argc, char** argv) { return pramo::runGuiBenchmarks(argc, argv); }
