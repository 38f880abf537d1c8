#pragma once
// The HTML writers: the on-screen chart page ("test.html", also what the spreadsheet export
// copies) and the printable page ("test2.html"). Both write Windows-1252 bytes with CR LF line
// ends into a buffer, so callers decide where the bytes go.
#include "render/chartgrid.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace zentrel {

inline constexpr int kMinYearsPerPage = 6;
inline constexpr int kMaxYearsPerPage = 25;
inline constexpr int kDefaultYearsPerPage = 15;

// Six upper-case hex digits, red first.
std::string htmlColour(std::int32_t colour);

// Appends the chart page. Drops the group marks from the grid's cells as it writes them, so
// build the grid again before another writer reads it.
void writeChartPage(ChartGrid& grid, std::string& out);

// Appends the printable page: pages of `years_per_page` years (6..25) under `title`, which is
// HTML-escaped. Throws std::invalid_argument for a count outside 6..25.
void writePrintPage(const ChartGrid& grid, int years_per_page, std::string_view title, std::string& out);

// Replaces `path` with `bytes` (a work file: replaced whole, not flushed to disk). Throws IoError.
void writePageFile(const std::filesystem::path& path, const std::string& bytes);

// The spreadsheet export: a byte copy of the chart page, replacing any file at `dest`.
// Throws IoError when it cannot be made.
void exportSpreadsheet(const std::filesystem::path& chart_page, const std::filesystem::path& dest);

} // namespace zentrel
