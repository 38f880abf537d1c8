#pragma once
// The chart folder "data/" inside the program folder: one ".ztl" file per chart, named after it.
// Chart names are Windows-1252 bytes like every stored text; file names on disk are UTF-8.
#include "chart/chartentry.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zentrel {

// False for a name that cannot be a portable file name: empty, "." or "..", holding any of
// \ / : * ? " < > | or a control character, or ending in a dot or a blank.
bool isPortableChartName(std::string_view name);

class ChartFolder {
public:
    explicit ChartFolder(std::filesystem::path program_folder);
    // A folder of charts anywhere, for tools that are handed a chart file directly.
    static ChartFolder forFolder(std::filesystem::path charts);

    const std::filesystem::path& folder() const { return folder_; }
    std::filesystem::path pathOf(std::string_view name) const;

    // Chart names in the order the directory lists them (not sorted), without the last
    // extension. A missing folder lists nothing.
    std::vector<std::string> list() const;
    bool exists(std::string_view name) const;

    // Writes a file holding only `header`. Throws IoError; "Invalid filename" for a name
    // isPortableChartName refuses, and nothing is written then.
    void create(std::string_view name, const TChartEntry& header) const;

    // Both ignore failures, as the dialogs that call them do.
    bool rename(std::string_view old_name, std::string_view new_name) const;
    bool remove(std::string_view name) const;

private:
    std::filesystem::path folder_;
};

} // namespace zentrel
