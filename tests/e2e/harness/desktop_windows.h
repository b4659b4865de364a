// Looking at real top-level windows from the test process, the way another
// program on the desktop sees them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// Top-level windows of the process with the given class, in z-order.
std::vector<HWND> TopLevelWindowsOf(DWORD processId, const std::wstring& className);

RECT WindowRectOf(HWND window);

// The rectangle the window has when it is neither minimized nor maximized.
RECT NormalRectOf(HWND window);

std::wstring WindowTitleOf(HWND window);

// The primary monitor's work area as GetMonitorInfo reports it.
RECT PrimaryWorkArea();

bool SameRect(const RECT& a, const RECT& b);

// "(left, top, right, bottom)", for failure messages.
std::string Describe(const RECT& rect);

} // namespace e2e
