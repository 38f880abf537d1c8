#pragma once
// The open chart: at most 800 entries, entry 1 the header, 2..entry_count the events.
#include "chart/chartentry.h"
#include "chart/chartfolder.h"
#include "chart/error.h"
#include "chart/fileio.h"

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace zentrel {

inline constexpr int kMaxEntries = 800;



struct OpenChart {
    // entries[1..800]; slot 0 is unused so numbers read as they do on screen and in files.
    std::array<TChartEntry, kMaxEntries + 1> entries{};
    std::int32_t entry_count = 0;
    std::int32_t edit_index = 0;
    std::filesystem::path chart_path; // empty = no file to save to

    TChartEntry& header() { return entries[1]; }
    const TChartEntry& header() const { return entries[1]; }
    bool isFull() const { return entry_count >= kMaxEntries; }

    // Appends an event. Throws IoError with a message for the user when the chart is full,
    // and leaves the chart unchanged then.
    void appendEvent(const TChartEntry& e);
    // Removes event i (2..entry_count), closing the gap.
    void removeEvent(int i);
};

inline constexpr const char* kChartFullMessage =
    "This chart already holds 799 events, the most a chart can hold. Delete an event before adding another.";

// Reads the chart `name` of the chart folder into `chart`, in the steps and with the state on
// failure the program has always had: chart_path names the file before it is opened;
// `on_opened` runs once the file is open (the main window enables its event buttons there);
// a failed read leaves entry_count counting the records read plus the one that failed.
// A file of more than 800 records is refused before anything changes.
void loadProject(OpenChart& chart, const ChartFolder& folder, std::string_view name,
                 const std::function<void()>& on_opened = {});

// Rewrites the whole chart file at chart_path, crash-safely (see writeFileAtomically).
// `probe` lets tests fail the write at record N. Throws IoError; the chart in memory is
// never changed.
void saveProject(const OpenChart& chart, const WriteProbe& probe = {});

// "Zentrel for : " followed by the file name of `chart_path` up to its first full stop
// (Windows-1252, as the printable page writes it).
std::string chartTitle(const std::filesystem::path& chart_path);

} // namespace zentrel
