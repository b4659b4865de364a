// Window texts are held as UTF-16, as the system holds them; the "A" calls
// see them in code page 932. These conversions behave like the system's.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vm::sim {

// Characters that code page 932 cannot express become '?'.
std::string ToCp932(std::u16string_view text);

// Bytes that form no character become u'?'.
std::u16string FromCp932(std::string_view text);

// The longest prefix of at most maxBytes bytes that does not cut a
// double-byte character in two.
std::size_t WholeCharPrefix(std::string_view text, std::size_t maxBytes);

// Folds the single-byte ASCII letters to upper case; a double-byte
// character is kept as it is, although its trail byte may look like a
// letter.
std::string FoldAsciiCase(std::string_view text);

bool EqualsAsciiNoCase(std::string_view a, std::string_view b);

// Index of the last backslash that is a character of its own (not the
// trail byte of a double-byte character), or npos.
std::size_t LastBackslash(std::string_view path);

// Copies at most maxCount - 1 bytes and a NUL, never half a double-byte
// character; returns the bytes copied.
int CopyAnsi(const std::string& text, char* buffer, int maxCount);

} // namespace vm::sim
