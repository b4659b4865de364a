// Conversions between UTF-16 window titles and the UTF-8 hex form used on
// the command line and in the title log, so that any title survives the
// trip whatever the system code page is.
#pragma once

#include <optional>
#include <string>

namespace spawner {

// UTF-8 bytes given as hex digits, two per byte, to UTF-16; nothing when the
// text is not hex or not UTF-8.
std::optional<std::wstring> WideFromUtf8Hex(const std::wstring& hex);

// UTF-16 to its UTF-8 bytes as lower-case hex digits.
std::string Utf8HexFromWide(const std::wstring& text);

} // namespace spawner
