// The visible bar: a top-level window of the taskbar's class, docked at one
// edge of the primary screen, never activated, without a title.
#pragma once

#include <windows.h>

#include "standin_state.h"

namespace standin {

// Creates and shows the bar at the state's edge; null on failure.
HWND CreateDockedBar(HINSTANCE instance, StandinState& state);

// Moves the bar to another edge; a thickness of 0 keeps the current one.
void DockBar(StandinState& state, unsigned edge, int thickness);

} // namespace standin
