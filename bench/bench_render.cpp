// Grid build plus chart page for the sample chart and the largest chart; the printable page.
#include "largest_chart.h"
#include "render/pages.h"

#include <benchmark/benchmark.h>

#include <memory>

using namespace zentrel;

namespace {

struct Setup {
    std::unique_ptr<Catalogue> catalogue = std::make_unique<Catalogue>();
    std::unique_ptr<OpenChart> sample = std::make_unique<OpenChart>();
    std::unique_ptr<OpenChart> largest;
    Setup()
    {
        loadCatalogue(*catalogue, ZENTREL_SOURCE_DIR "/assets/events.dat");
        loadProject(*sample, ChartFolder(ZENTREL_SOURCE_DIR "/assets"), "Margaret Hill (sample)");
        largest = bench::makeLargestChart(*catalogue);
    }
};

Setup& setup()
{
    static Setup s;
    return s;
}

void buildAndWrite(benchmark::State& state, const OpenChart& chart)
{
    auto grid = std::make_unique<ChartGrid>();
    GridBuilder builder;
    std::string page;
    for (auto _ : state) {
        builder.build(*grid, chart, *setup().catalogue);
        page.clear();
        writeChartPage(*grid, page);
        benchmark::DoNotOptimize(page.data());
    }
    state.counters["page_bytes"] = static_cast<double>(page.size());
}

void BM_SampleChartPage(benchmark::State& state) { buildAndWrite(state, *setup().sample); }
BENCHMARK(BM_SampleChartPage)->Unit(benchmark::kMicrosecond);

void BM_LargestChartPage(benchmark::State& state) { buildAndWrite(state, *setup().largest); }
BENCHMARK(BM_LargestChartPage)->Unit(benchmark::kMicrosecond);

void BM_LargestGridOnly(benchmark::State& state)
{
    auto grid = std::make_unique<ChartGrid>();
    GridBuilder builder;
    for (auto _ : state) {
        builder.build(*grid, *setup().largest, *setup().catalogue);
        benchmark::DoNotOptimize(grid->grid_cols);
    }
}
BENCHMARK(BM_LargestGridOnly)->Unit(benchmark::kMicrosecond);

void BM_LargestPrintPage15(benchmark::State& state)
{
    auto grid = std::make_unique<ChartGrid>();
    GridBuilder builder;
    std::string page;
    for (auto _ : state) {
        builder.build(*grid, *setup().largest, *setup().catalogue);
        page.clear();
        writePrintPage(*grid, 15, "Zentrel for : Largest", page);
        benchmark::DoNotOptimize(page.data());
    }
    state.counters["page_bytes"] = static_cast<double>(page.size());
}
BENCHMARK(BM_LargestPrintPage15)->Unit(benchmark::kMicrosecond);

} // namespace
