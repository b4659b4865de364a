// The user's own mouse: real pointer events on the tests' X display, made by
// xdotool. The display is the one scripts/wine-run gives the tests (its Xvfb,
// or the caller's DISPLAY); Wine hands DISPLAY on to every program it starts.
#pragma once

#include <string>

namespace e2e {

// Starts xdotool with the argument text ("mousemove 300 210 mousedown 1").
// Wine starts a Linux program from its Windows path like any other but
// gives no handle to wait on: the caller waits for what the commands do.
// False when xdotool or the display is missing or the start failed.
bool RunXdotool(const std::wstring& args);

} // namespace e2e
