#pragma once
// The chart grid: every grid column becomes one band of the displayed chart, row 1 holds the
// titles, row r >= 2 the year B + r - 2. The page writers read it right after a build.
#include "chart/catalogue.h"
#include "chart/openchart.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace zentrel {

inline constexpr int kGridCols = 100;
inline constexpr int kGridRows = 160;
inline constexpr std::size_t kMaxCellText = 200;
inline constexpr std::string_view kContinuation = "++";

inline constexpr std::int32_t kWhite = rgb(255, 255, 255);
inline constexpr std::int32_t kTitleInk = rgb(0, 0, 1);
inline constexpr std::int32_t kYearBand = rgb(132, 122, 52);
inline constexpr std::int32_t kAgeBand = rgb(238, 199, 97);

struct TChartCell {
    std::int32_t text_color = kWhite;
    std::int32_t bg_color = kWhite;

    std::string_view text() const { return {chars_.data(), len_}; }
    bool empty() const { return len_ == 0; }
    // Cut to 200 characters.
    void setText(std::string_view s);
    // Drops a leading group mark "*".
    void dropGroupMark();

private:
    std::uint8_t len_ = 0;
    std::array<char, kMaxCellText> chars_{};
};

class ChartGrid {
public:
    std::int32_t grid_rows = 0;
    std::int32_t grid_cols = 0;
    // What the chart would have needed; larger than the grid when it was cut.
    std::int32_t needed_rows = 0;
    std::int32_t needed_cols = 0;

    bool fits() const { return needed_rows <= kGridRows && needed_cols <= kGridCols; }

    static bool inside(long long col, long long row)
    {
        return col >= 1 && col <= kGridCols && row >= 1 && row <= kGridRows;
    }
    // 1-based; the caller keeps inside the grid.
    TChartCell& cell(int col, int row) { return cells_[index(col, row)]; }
    const TChartCell& cell(int col, int row) const { return cells_[index(col, row)]; }
    // A cell outside the grid reads as empty.
    bool isEmpty(long long col, long long row) const { return !inside(col, row) || cell(int(col), int(row)).empty(); }
    bool isContinuation(long long col, long long row) const
    {
        return inside(col, row) && cell(int(col), int(row)).text() == kContinuation;
    }
    // Writes outside the grid are dropped.
    void put(long long col, long long row, std::string_view text, std::int32_t fg, std::int32_t bg);

    void reset();

private:
    static std::size_t index(int col, int row)
    {
        return static_cast<std::size_t>(col - 1) * kGridRows + static_cast<std::size_t>(row - 1);
    }
    std::array<TChartCell, kGridCols * kGridRows> cells_{};
};

// HTML-escapes & < > so a typed text shows as typed; `limit` cuts the result without leaving
// half an entity behind.
std::string escapeHtml(std::string_view s, std::size_t limit = std::string_view::npos);

// Builds the grid from the open chart and the catalogue (and sets catalogue row 99 from the
// chart's personal event). The chart is not changed.
class GridBuilder {
public:
    void build(ChartGrid& grid, const OpenChart& chart, Catalogue& catalogue);

private:
    struct Item {
        std::int32_t start_year;
        std::int32_t end_year;
        std::string_view text;
        std::int32_t type;
        std::int32_t fg;
        std::int32_t bg;
    };
    int place(ChartGrid& grid, const Item& e, int type_col, long long base_year, long long last_year,
              const Catalogue& catalogue);

    std::vector<Item> items_; // the working list, kept to reuse its storage
    std::string scratch_;
};

} // namespace zentrel
