// Keeps a watched window's rectangle in a file, so that a script outside
// Wine can see where the window is and when it moved.
#pragma once

#include <windows.h>

#include <string>

namespace spawner {

// Watches the window (none while the path is empty) and writes its
// rectangle now.
void StartRectFile(HWND window, const std::wstring& path);

// Rewrites the file when the window is the watched one.
void UpdateRectFile(HWND window);

} // namespace spawner
