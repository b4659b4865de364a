// What the spawned windows' program does on its own in answer to others:
// it gives a window a title of its own right after another program titled it
// (--retitle-hex), and, once told, it stops answering for a while the next
// time a window comes to the front (--stall).
#pragma once

#include <windows.h>

#include "spawner_options.h"

namespace spawner {

void StartReactions(const SpawnerOptions& options);

// Looks at a message of a plain window before its default handling; true
// when the message was the program's own and is handled.
bool React(HWND window, UINT message, WPARAM wParam);

} // namespace spawner
