// What the stand-in's two windows share: where the bar is docked, how
// often the shell asked for it, and the icons of its notification area.
#pragma once

#include <windows.h>

#include "notify_area.h"
#include "standin_options.h"

namespace standin {

struct StandinState {
    StandinOptions options;
    HWND bar = nullptr;
    unsigned positionQueries = 0;
    NotifyArea notifyArea;
};

// The band the bar occupies on the primary screen for its edge and thickness.
RECT BandRect(unsigned edge, int thickness);

} // namespace standin
