// One short text written to a file that a script outside Wine reads.
#pragma once

#include <windows.h>

#include <string>

namespace spawner {

// Replaces the file's content with text, or appends text to it; a file that
// cannot be opened is left alone.
void WriteTextFile(const std::wstring& path, const char* text, int length, bool append);

} // namespace spawner
