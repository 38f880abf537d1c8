#pragma once
// The one error type of the core: file and device failures carry the runtime's own text
// ("File not found", "Read beyond end of file", ...), which the program shows as it stands.
#include <stdexcept>
#include <string>

namespace zentrel {

class IoError : public std::runtime_error {
public:
    explicit IoError(const std::string& text) : std::runtime_error(text) {}
};

// The runtime's text for an errno value: "File not found", "File access denied", "Disk full",
// "Invalid filename", or "I/O error N".
std::string ioErrorText(int err);

// Throws IoError with ioErrorText(err).
[[noreturn]] void throwIoError(int err);

} // namespace zentrel
