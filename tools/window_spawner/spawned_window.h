// Opens one top-level window as the options describe: a plain window of the
// given class and style, or a real dialog box.
#pragma once

#include <windows.h>

#include "spawner_options.h"

namespace spawner {

// Registers the plain windows' class; false on failure.
bool RegisterSpawnerClass(HINSTANCE instance, const SpawnerOptions& options);

// Creates and shows one window; null on failure. Closing the last window
// created this way ends the message loop.
HWND OpenSpawnedWindow(HINSTANCE instance, const SpawnerOptions& options);

} // namespace spawner
