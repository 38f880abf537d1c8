#include "chart/error.h"
#include "chart/fileio.h"
#include "render/pages.h"

namespace zentrel {

void writePageFile(const std::filesystem::path& path, const std::string& bytes)
{
    writeFileAtomically(path, {bytes}, {}, false);
}

void exportSpreadsheet(const std::filesystem::path& chart_page, const std::filesystem::path& dest)
{
    writeFileAtomically(dest, {readWholeFile(chart_page)});
}

} // namespace zentrel
