#include "chart/chartentry.h"

#include <algorithm>
#include <cstring>

namespace zentrel {
namespace {

constexpr std::size_t kStartYear = 0;
constexpr std::size_t kReserved1 = 4;
constexpr std::size_t kEndYear = 12;
constexpr std::size_t kReserved2 = 16;
constexpr std::size_t kText = 24;
constexpr std::size_t kPersonalEvent = 280;
constexpr std::size_t kReservedText = 536;
constexpr std::size_t kTypeIndex = 792;
constexpr std::size_t kTextColor = 796;
constexpr std::size_t kBgColor = 800;
constexpr std::size_t kTextField = 256;

void putInt(std::uint8_t* p, std::int32_t v)
{
    const auto u = static_cast<std::uint32_t>(v);
    p[0] = static_cast<std::uint8_t>(u);
    p[1] = static_cast<std::uint8_t>(u >> 8);
    p[2] = static_cast<std::uint8_t>(u >> 16);
    p[3] = static_cast<std::uint8_t>(u >> 24);
}

std::int32_t getInt(const std::uint8_t* p)
{
    const std::uint32_t u = p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
    return static_cast<std::int32_t>(u);
}

void putText(std::uint8_t* p, std::string_view s)
{
    const std::size_t n = std::min(s.size(), kMaxStoredText);
    std::memset(p, 0, kTextField);
    p[0] = static_cast<std::uint8_t>(n);
    std::memcpy(p + 1, s.data(), n);
}

std::string getText(const std::uint8_t* p)
{
    return std::string(reinterpret_cast<const char*>(p + 1), p[0]);
}

} // namespace

std::string storedText(std::string_view s)
{
    return std::string(s.substr(0, kMaxStoredText));
}

void encodeEntry(const TChartEntry& e, std::uint8_t* out)
{
    putInt(out + kStartYear, e.start_year);
    std::memcpy(out + kReserved1, e.reserved_after_start.data(), 8);
    putInt(out + kEndYear, e.end_year);
    std::memcpy(out + kReserved2, e.reserved_after_end.data(), 8);
    putText(out + kText, e.text);
    putText(out + kPersonalEvent, e.personal_event);
    std::memcpy(out + kReservedText, e.reserved_text.data(), kTextField);
    putInt(out + kTypeIndex, e.type_index);
    putInt(out + kTextColor, e.text_color);
    putInt(out + kBgColor, e.bg_color);
}

RecordImage encodeEntry(const TChartEntry& e)
{
    RecordImage image{};
    encodeEntry(e, image.data());
    return image;
}

TChartEntry decodeEntry(const std::uint8_t* in)
{
    TChartEntry e;
    e.start_year = getInt(in + kStartYear);
    std::memcpy(e.reserved_after_start.data(), in + kReserved1, 8);
    e.end_year = getInt(in + kEndYear);
    std::memcpy(e.reserved_after_end.data(), in + kReserved2, 8);
    e.text = getText(in + kText);
    e.personal_event = getText(in + kPersonalEvent);
    std::memcpy(e.reserved_text.data(), in + kReservedText, kTextField);
    e.type_index = getInt(in + kTypeIndex);
    e.text_color = getInt(in + kTextColor);
    e.bg_color = getInt(in + kBgColor);
    return e;
}

} // namespace zentrel
