// Load and save of a full chart (800 entries).
#include "chart/openchart.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

using namespace zentrel;
namespace fs = std::filesystem;

namespace {

struct Folder {
    fs::path root = fs::temp_directory_path() / "zentrel-bench-chart";
    Folder() { fs::create_directories(root / "data"); }
    ~Folder() { fs::remove_all(root); }
};

std::unique_ptr<OpenChart> fullChart(const ChartFolder& folder)
{
    auto chart = std::make_unique<OpenChart>();
    chart->header().start_year = 1950;
    chart->header().end_year = 2040;
    chart->header().text = "Full";
    chart->entry_count = 1;
    while (!chart->isFull()) {
        TChartEntry e;
        e.start_year = 1950 + chart->entry_count % 90;
        e.text = std::string(60, 'c');
        e.type_index = 1 + chart->entry_count % 40;
        chart->appendEvent(e);
    }
    chart->chart_path = folder.pathOf("Full");
    return chart;
}

void BM_LoadFullChart(benchmark::State& state)
{
    Folder dir;
    const ChartFolder folder(dir.root);
    saveProject(*fullChart(folder));
    auto chart = std::make_unique<OpenChart>();
    for (auto _ : state) {
        loadProject(*chart, folder, "Full");
        benchmark::DoNotOptimize(chart->entry_count);
    }
    state.SetBytesProcessed(state.iterations() * 800 * static_cast<std::int64_t>(kRecordSize));
}
BENCHMARK(BM_LoadFullChart)->Unit(benchmark::kMicrosecond);

// Includes the flush to disk that makes the save crash-safe, the larger part of its cost.
void BM_SaveFullChart(benchmark::State& state)
{
    Folder dir;
    const ChartFolder folder(dir.root);
    auto chart = fullChart(folder);
    for (auto _ : state)
        saveProject(*chart);
    state.SetBytesProcessed(state.iterations() * 800 * static_cast<std::int64_t>(kRecordSize));
}
BENCHMARK(BM_SaveFullChart)->Unit(benchmark::kMicrosecond);

void BM_EncodeFullChart(benchmark::State& state)
{
    Folder dir;
    auto chart = fullChart(ChartFolder(dir.root));
    std::vector<std::uint8_t> bytes(800 * kRecordSize);
    for (auto _ : state) {
        for (int i = 1; i <= chart->entry_count; ++i)
            encodeEntry(chart->entries[i], bytes.data() + (i - 1) * kRecordSize);
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_EncodeFullChart)->Unit(benchmark::kMicrosecond);

} // namespace
