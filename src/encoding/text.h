// Helpers for ANSI text in code page 932 (Shift-JIS).
#pragma once

#include <string>
#include <string_view>

namespace vm {

// A lead byte opens a double-byte character; the byte after it is a trail
// byte, which may look like '\\', '|' or an ASCII letter.
bool IsLeadByte(unsigned char byte);

// Upper-/lower-cases the bytes 'a'..'z' / 'A'..'Z' and nothing else. Byte by
// byte, so trail bytes are changed too: executable names are compared in
// this form on both sides.
std::string AsciiUpper(std::string_view text);
std::string AsciiLower(std::string_view text);

// Whole-string comparison that ignores the case of single-byte ASCII
// letters; the two bytes of a double-byte character must match exactly.
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

// Keeps the characters before the first NUL.
std::string CutAtNul(std::string_view text);

// A filter written as "name|pattern|..." in the form the file dialog takes:
// each text ended by a NUL, the list by an empty one. A '|' that is the
// trail byte of a double-byte character stays.
std::string DialogFilter(std::string_view filter);

} // namespace vm
