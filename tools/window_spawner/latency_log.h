// How long a window opened at the top stays where it was opened: from just
// before its creation until another program first moves it, in milliseconds,
// one line per window, appended to a file a script outside Wine reads; the
// line's second figure is when the window had been opened and shown.
#pragma once

#include <windows.h>

#include <string>

namespace spawner {

// The clock starts now for the window about to be opened.
void StartLatencyClock(const std::wstring& path);
// The window just opened and shown is the one timed.
void TimeWindow(HWND window);
// Writes the line at the window's first move.
void NoteWindowMoved(HWND window);

} // namespace spawner
