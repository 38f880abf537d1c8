#pragma once
// The largest chart the grid holds: 159 years, 98 event bands and 799 events, made against the
// shipped catalogue. Shared by the benchmarks and the program's timing run.
#include "chart/catalogue.h"
#include "chart/openchart.h"
#include "render/chartgrid.h"

#include <memory>
#include <stdexcept>

namespace zentrel::bench {

inline std::unique_ptr<OpenChart> makeLargestChart(Catalogue& catalogue)
{
    const auto make = [&](int collisions) {
        auto chart = std::make_unique<OpenChart>();
        chart->header().start_year = 1900;
        chart->header().end_year = 2058;
        chart->header().text = "Largest";
        chart->header().personal_event = "Own";
        chart->entry_count = 1;
        const auto add = [&](int type, int year, int end) {
            TChartEntry e;
            e.type_index = type;
            e.start_year = year;
            e.end_year = end;
            e.text = "Event " + std::to_string(chart->entry_count);
            e.text_color = rgb(0, 0, 0);
            e.bg_color = rgb(100 + chart->entry_count % 150, 200, 180);
            chart->appendEvent(e);
        };
        std::vector<int> plain;
        for (int t = 1; t <= catalogue.type_count; ++t) {
            if (catalogue.row(t).category == kBirthdaysCategory)
                add(t, 1900 + t, 0); // labels fill the column, so one each
            else
                plain.push_back(t);
        }
        plain.push_back(kPersonalType);
        // Events in every other year of each band never collide; two-year runs fill the gaps.
        int extra = 0;
        for (int year = 1900; chart->entry_count < kMaxEntries - collisions; year += 2)
            for (int t : plain)
                if (chart->entry_count < kMaxEntries - collisions)
                    add(t, year, ++extra % 3 == 0 ? year + 1 : 0);
        for (int i = 0; i < collisions; ++i)
            add(plain.front(), 1900, 0);
        return chart;
    };
    ChartGrid grid;
    GridBuilder builder;
    auto chart = make(0);
    builder.build(grid, *chart, catalogue);
    const int collisions = kGridCols - grid.needed_cols;
    chart = make(collisions);
    builder.build(grid, *chart, catalogue);
    if (grid.needed_cols != kGridCols || grid.needed_rows != kGridRows || chart->entry_count != kMaxEntries)
        throw std::logic_error("the largest chart does not fill the grid exactly");
    return chart;
}

} // namespace zentrel::bench
