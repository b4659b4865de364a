// What the watcher reads of the options: one snapshot, taken as each pass
// begins, so an option changed meanwhile holds from the next pass on. It is
// what the user chose, with the program's state where that decides: whether
// the settings window is open, whether translucency is available. Whether
// the taskbar's kind offers an option is the taskbar tracker's own state.
#pragma once

#include "options/watch_settings.h"

namespace vm {

struct WatchOptions {
    WatchSettings settings{};
    // The settings window is open: nothing is moved meanwhile.
    bool settingsShown = false;
    // Translucency is chosen, and available to this run: from Windows 2000
    // on, and not with "/S".
    bool translucencyOn = false;
};

} // namespace vm
