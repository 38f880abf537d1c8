#pragma once
// Stored texts are Windows-1252 bytes; the UI speaks UTF-8. These convert at that edge.
#include <string>
#include <string_view>

namespace zentrel {

// Windows-1252 bytes to UTF-8. The five bytes the code page leaves undefined map to U+FFFD.
std::string cp1252ToUtf8(std::string_view bytes);

// UTF-8 to Windows-1252. A character the code page cannot hold, or a malformed sequence,
// becomes "?".
std::string utf8ToCp1252(std::string_view utf8);

// True when every character of the UTF-8 text survives utf8ToCp1252 unchanged.
bool fitsCp1252(std::string_view utf8);

} // namespace zentrel
