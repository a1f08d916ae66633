#pragma once

#include <string>
#include <string_view>

namespace platform {

// Converts Windows-1252 bytes to UTF-8. Bytes 0x80-0x9F are the code page's
// own characters (euro sign, typographic quotes, dashes, ...); the five bytes
// the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) are dropped.
std::string Cp1252ToUtf8(std::string_view text);

}  // namespace platform
