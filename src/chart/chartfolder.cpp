#include "chart/chartfolder.h"

#include "chart/error.h"
#include "chart/fileio.h"
#include "chart/text.h"

#include <cctype>

namespace zentrel {

bool isPortableChartName(std::string_view name)
{
    if (name.empty() || name == "." || name == "..")
        return false;
    for (char c : name) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos)
            return false;
    }
    const char last = name.back();
    return last != '.' && last != ' ';
}

ChartFolder::ChartFolder(std::filesystem::path program_folder)
    : folder_(std::move(program_folder) / "data")
{
}

ChartFolder ChartFolder::forFolder(std::filesystem::path charts)
{
    ChartFolder f({});
    f.folder_ = std::move(charts);
    return f;
}

std::filesystem::path ChartFolder::pathOf(std::string_view name) const
{
    return folder_ / std::filesystem::path(cp1252ToUtf8(name) + ".ztl");
}

std::vector<std::string> ChartFolder::list() const
{
    std::vector<std::string> names;
    std::error_code ec;
    std::filesystem::directory_iterator it(folder_, ec);
    if (ec)
        return names;
    for (const auto& entry : it) {
        const std::string file = entry.path().filename().string();
        if (file.size() < 5 || file[0] == '.')
            continue; // hidden
        std::string ext = file.substr(file.size() - 4);
        for (char& c : ext)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        std::error_code fec;
        if (ext != ".ztl" || !entry.is_regular_file(fec))
            continue;
        names.push_back(utf8ToCp1252(file.substr(0, file.size() - 4)));
    }
    return names;
}

bool ChartFolder::exists(std::string_view name) const
{
    std::error_code ec;
    return std::filesystem::exists(pathOf(name), ec);
}

void ChartFolder::create(std::string_view name, const TChartEntry& header) const
{
    if (!isPortableChartName(name))
        throw IoError("Invalid filename");
    const RecordImage image = encodeEntry(header);
    writeFileAtomically(pathOf(name),
                        {std::string_view(reinterpret_cast<const char*>(image.data()), image.size())});
}

bool ChartFolder::rename(std::string_view old_name, std::string_view new_name) const
{
    std::error_code ec;
    std::filesystem::rename(pathOf(old_name), pathOf(new_name), ec);
    return !ec;
}

bool ChartFolder::remove(std::string_view name) const
{
    std::error_code ec;
    return std::filesystem::remove(pathOf(name), ec);
}

} // namespace zentrel
