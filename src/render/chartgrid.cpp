#include "render/chartgrid.h"

#include <algorithm>
#include <cstring>

namespace zentrel {

void TChartCell::setText(std::string_view s)
{
    len_ = static_cast<std::uint8_t>(std::min(s.size(), kMaxCellText));
    std::memcpy(chars_.data(), s.data(), len_);
}

void TChartCell::dropGroupMark()
{
    if (len_ > 0 && chars_[0] == '*') {
        std::memmove(chars_.data(), chars_.data() + 1, len_ - 1u);
        --len_;
    }
}

void ChartGrid::put(long long col, long long row, std::string_view text, std::int32_t fg, std::int32_t bg)
{
    if (!inside(col, row))
        return;
    TChartCell& c = cell(int(col), int(row));
    c.setText(text);
    c.text_color = fg;
    c.bg_color = bg;
}

void ChartGrid::reset()
{
    for (TChartCell& c : cells_) {
        c.setText({});
        c.text_color = kWhite;
        c.bg_color = kWhite;
    }
    grid_rows = 1;
    grid_cols = 0;
    needed_rows = 1;
    needed_cols = 0;
}

std::string escapeHtml(std::string_view s, std::size_t limit)
{
    std::string out;
    out.reserve(s.size() + 8);
    for (char c : s) {
        const char* rep = nullptr;
        switch (c) {
        case '&': rep = "&amp;"; break;
        case '<': rep = "&lt;"; break;
        case '>': rep = "&gt;"; break;
        default: break;
        }
        const std::size_t add = rep ? std::strlen(rep) : 1;
        if (out.size() + add > limit) {
            if (!rep || out.size() >= limit)
                break;
            return out; // no room for the whole entity
        }
        if (rep)
            out += rep;
        else
            out += c;
    }
    return out;
}

namespace {

constexpr struct {
    int age;
    const char* suffix;
} kMilestones[] = {
    {21, " 21st"}, {30, " 30th"}, {40, " 40th"}, {50, " 50th"}, {60, " 60th"}, {70, " 70th"},
    {80, " 80th"}, {90, " 90th"}, {100, " 100th"}, {110, " 110th"}, {120, " 120th"},
};

bool isMultiYear(std::int32_t start, std::int32_t end) { return end > 0 && end > start; }

} // namespace

int GridBuilder::place(ChartGrid& grid, const Item& e, int type_col, long long base_year, long long last_year,
                       const Catalogue& catalogue)
{
    const auto rowOf = [&](long long year) { return year - base_year + 2; };
    const long long s = rowOf(e.start_year);
    const bool multi = isMultiYear(e.start_year, e.end_year);
    const long long end_row = rowOf(e.end_year);

    // Rows outside the grid count as empty, so only the rows inside need a look.
    bool fits = grid.isEmpty(type_col, s);
    if (multi) {
        const long long from = std::max<long long>(s, 1);
        const long long to = std::min<long long>(end_row + 1, kGridRows);
        for (long long r = from; fits && r <= to; ++r)
            fits = grid.isEmpty(type_col, r);
    }
    long long col = type_col;
    if (!fits) {
        col = type_col + 1;
        while (!grid.isEmpty(col, s))
            ++col;
    }
    grid.needed_cols = static_cast<std::int32_t>(std::max<long long>(grid.needed_cols, col));

    if (catalogue.row(e.type).category == kBirthdaysCategory) {
        const std::string text = escapeHtml(e.text, kMaxCellText);
        if (e.start_year >= base_year && e.text != "My") {
            scratch_ = text + " born";
            grid.put(col, s, scratch_, e.fg, e.bg);
        }
        const long long limit = e.end_year != 0 ? e.end_year : last_year;
        for (const auto& m : kMilestones) {
            const long long year = static_cast<long long>(e.start_year) + m.age;
            if (year <= limit && year >= base_year) {
                scratch_ = text + m.suffix;
                grid.put(col, rowOf(year), scratch_, e.fg, e.bg);
            }
        }
    } else {
        grid.put(col, s, escapeHtml(e.text, kMaxCellText), e.fg, e.bg);
        if (multi) {
            const long long from = std::max<long long>(s + 1, 1);
            const long long to = std::min<long long>(end_row, kGridRows);
            for (long long r = from; r <= to; ++r)
                grid.put(col, r, kContinuation, e.fg, e.bg);
        }
    }
    return static_cast<int>(col - type_col);
}

void GridBuilder::build(ChartGrid& grid, const OpenChart& chart, Catalogue& catalogue)
{
    grid.reset();
    grid.put(1, 1, "YEAR", kTitleInk, kYearBand);
    grid.put(2, 1, "AGE", kTitleInk, kAgeBand);

    // With no chart loaded, the first slot still supplies the years (zeros).
    const TChartEntry& header = chart.entries[1];
    const long long B = header.start_year;
    const long long E = header.end_year;
    if (E >= B) {
        const long long years = E - B + 1;
        grid.needed_rows = static_cast<std::int32_t>(std::min<long long>(1 + years, 1 << 30));
        const long long shown = std::min<long long>(years, kGridRows - 1);
        for (long long i = 0; i < shown; ++i) {
            const int r = static_cast<int>(i + 2);
            grid.put(1, r, std::to_string(B + i), kTitleInk, kYearBand);
            grid.put(2, r, i == 0 ? std::string("Born") : std::to_string(i), kTitleInk, kAgeBand);
        }
        grid.grid_rows = static_cast<std::int32_t>(1 + shown);
    }
    grid.grid_cols = 2;
    grid.needed_cols = 2;

    catalogue.setPersonalEvent(header.personal_event);
    const int N = catalogue.type_count;

    // Working list: the stored entries, end-year markers of birthday entries, then "My".
    items_.clear();
    for (int i = 1; i <= chart.entry_count; ++i) {
        const TChartEntry& e = chart.entries[i];
        items_.push_back({e.start_year, e.end_year, e.text, e.type_index, e.text_color, e.bg_color});
    }
    for (int i = 2; i <= chart.entry_count; ++i) {
        const TChartEntry& e = chart.entries[i];
        if (catalogue.row(e.type_index).category == kBirthdaysCategory && e.end_year > 0)
            items_.push_back({e.end_year, e.end_year, e.text, kEndYearMarkerType, e.text_color, e.bg_color});
    }
    int my_type = N > 0 ? N : 0;
    for (int k = 1; k <= N; ++k) {
        if (catalogue.row(k).name == kFamilyBirthsType) {
            my_type = k;
            break;
        }
    }
    items_.push_back({header.start_year, header.end_year, "My", my_type, kTitleInk, kAgeBand});

    const auto isVisited = [&](int k) { return (k >= 1 && k <= N) || k == kPersonalType; };

    std::string seen;
    bool pending_mark = false;
    std::vector<int> types_in_category;
    const auto visit = [&](int t) {
        const std::string& category = catalogue.row(t).category;
        const std::string key = category + ",";
        if (seen.find(key) == std::string::npos) {
            seen += key;
            types_in_category.clear();
            for (const Item& e : items_) {
                if (isVisited(e.type) && catalogue.row(e.type).category == category &&
                    std::find(types_in_category.begin(), types_in_category.end(), e.type) == types_in_category.end())
                    types_in_category.push_back(e.type);
            }
            if (types_in_category.size() >= 2) {
                ++grid.grid_cols;
                grid.put(grid.grid_cols, 1, "*" + escapeHtml(category, kMaxCellText - 1), kTitleInk, kWhite);
                pending_mark = false;
            } else if (types_in_category.size() == 1) {
                pending_mark = true;
            }
        }
        if (std::none_of(items_.begin(), items_.end(), [&](const Item& e) { return e.type == t; }))
            return;
        const int type_col = ++grid.grid_cols;
        const std::string prefix = pending_mark ? "*&nbsp;" : "&nbsp;";
        grid.put(type_col, 1, prefix + escapeHtml(catalogue.row(t).name, kMaxCellText - prefix.size()), kTitleInk,
                 kWhite);
        pending_mark = false;
        int overflow = 0;
        for (const Item& e : items_)
            if (e.type == t)
                overflow = std::max(overflow, place(grid, e, type_col, B, E, catalogue));
        grid.grid_cols += overflow;
        grid.needed_cols = std::max(grid.needed_cols, grid.grid_cols);
    };
    for (int t = 1; t <= N; ++t)
        visit(t);
    visit(kPersonalType);

    grid.grid_cols = std::min(grid.grid_cols, kGridCols);
    grid.grid_rows = std::max(grid.grid_rows, 3);
}

} // namespace zentrel
