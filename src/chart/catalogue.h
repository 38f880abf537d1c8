#pragma once
// The event catalogue "events.dat": the kinds of event a chart can record, read once at start.
// Events refer to their type by row number, so the file's line order is part of every chart.
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace zentrel {

inline constexpr int kCatalogueRows = 100;
inline constexpr int kPersonalType = 99;  // named by each chart's own personal event
inline constexpr int kEndYearMarkerType = 14;
inline constexpr std::string_view kBirthdaysCategory = "Birthdays";
inline constexpr std::string_view kFamilyBirthsType = "Parents / Sisters / Brothers birth year";

struct TEventType {
    std::string name;
    std::string description;
    std::string start_label;
    std::string end_label;  // empty: the type takes a single year
    std::string category;
};

struct Catalogue {
    std::array<TEventType, kCatalogueRows + 1> rows{}; // rows[1..100]
    std::int32_t type_count = 0;

    // Row k for k in 1..100; any other number names no row and reads as all empty.
    const TEventType& row(int k) const;
    bool isRow(int k) const { return k >= 1 && k <= kCatalogueRows; }
    // Row 99 follows the open chart's personal event.
    void setPersonalEvent(const std::string& personal_event);
};

struct CatalogueLoad {
    int lines_dropped = 0; // lines past the 100th, which have no row
};

// Fills the catalogue from the file's text: one row per line, five tab-separated fields; the
// last field takes the rest of the line, further tabs included.
CatalogueLoad parseCatalogue(Catalogue& catalogue, std::string_view text);

// Reads the file and parses it. Throws IoError ("File not found", ...) with type_count 0.
CatalogueLoad loadCatalogue(Catalogue& catalogue, const std::filesystem::path& file);

} // namespace zentrel
