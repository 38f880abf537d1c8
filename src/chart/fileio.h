#pragma once
// Whole-file reads and crash-safe whole-file writes with the runtime's error texts.
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zentrel {

// Reads a whole file. Throws IoError ("File not found", "Invalid filename" when its folder is
// missing, ...).
std::string readWholeFile(const std::filesystem::path& path);

// Called before each chunk is written, with the chunk's number; tests throw from it to
// simulate a device failing in the middle of a write.
using WriteProbe = std::function<void(int chunk)>;

// Writes the chunks to a temporary file beside `path`, flushes it to disk and renames it over
// `path`, so a failure leaves any old file whole. Throws IoError.
// `flush` = false skips the flush to disk, for work files that are made anew on every use.
void writeFileAtomically(const std::filesystem::path& path, const std::vector<std::string_view>& chunks,
                         const WriteProbe& probe = {}, bool flush = true);

// The text for an errno from opening `path`: a missing folder reads as "Invalid filename".
std::string openErrorText(int err, const std::filesystem::path& path);

} // namespace zentrel
