#pragma once
// One record of a chart file. Record 1 is the chart header (the person), the others are events.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zentrel {

inline constexpr std::size_t kRecordSize = 804;
inline constexpr std::size_t kMaxStoredText = 255;

// Colours in the chart's format: red in the low byte, then green, then blue, high byte 0.
constexpr std::int32_t rgb(int r, int g, int b)
{
    return static_cast<std::int32_t>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

struct TChartEntry {
    std::int32_t start_year = 0;
    std::int32_t end_year = 0;      // events: 0 = no end year
    std::string text;               // header: the person's name; events: the comments
    std::string personal_event;     // header only
    std::int32_t type_index = 0;    // events: catalogue row, or 99 for the personal type
    std::int32_t text_color = 0;
    std::int32_t bg_color = 0;

    // Bytes the program never reads, kept as read so a rewrite carries them unchanged.
    std::array<std::uint8_t, 8> reserved_after_start{};
    std::array<std::uint8_t, 8> reserved_after_end{};
    std::array<std::uint8_t, 256> reserved_text{};

    bool operator==(const TChartEntry&) const = default;
};

// The first 255 characters: what a text field can hold.
std::string storedText(std::string_view s);

using RecordImage = std::array<std::uint8_t, kRecordSize>;

// Texts longer than 255 characters are cut; the bytes after a text's length are written as zeros.
void encodeEntry(const TChartEntry& e, std::uint8_t* out);
RecordImage encodeEntry(const TChartEntry& e);
TChartEntry decodeEntry(const std::uint8_t* in);

} // namespace zentrel
