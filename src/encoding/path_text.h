// Windows paths as ANSI text in code page 932. Every scan skips the trail
// byte of a double-byte character, which may be 0x5C ('\\').
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vm {

// Byte index of the last real backslash, or npos.
std::size_t LastBackslash(std::string_view path);
bool EndsWithBackslash(std::string_view path);

// Length of the root a full path starts with: 3 for "C:\\", up to and
// including the backslash after the share for "\\\\server\\share\\"; 0 for
// any other path ("\\", "Tools\\", "C:Tools").
std::size_t RootLength(std::string_view path);
inline bool IsFullPath(std::string_view path) {
    return RootLength(path) > 0;
}

// path with a trailing backslash ("C:\\Tools" → "C:\\Tools\\").
std::string WithTrailingBackslash(std::string_view path);

// The folder above a folder, with a trailing backslash ("C:\\Tools\\App\\"
// and "C:\\Tools\\App" give "C:\\Tools\\"); a root is its own parent. Empty
// for a path that is not full.
std::string ParentFolder(std::string_view folder);

// The folder that holds a file, with a trailing backslash
// ("C:\\Tools\\App\\prog.exe" → "C:\\Tools\\App\\"); empty for a path that
// is not full.
std::string FolderOfFile(std::string_view file);

} // namespace vm
