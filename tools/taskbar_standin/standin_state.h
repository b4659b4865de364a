// What the stand-in's two windows share: where the bar is docked and how
// often the shell asked for it.
#pragma once

#include <windows.h>

#include "standin_options.h"

namespace standin {

struct StandinState {
    StandinOptions options;
    HWND bar = nullptr;
    unsigned positionQueries = 0;
};

// The band the bar occupies on the primary screen for its edge and thickness.
RECT BandRect(unsigned edge, int thickness);

} // namespace standin
