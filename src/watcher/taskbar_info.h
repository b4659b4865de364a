// What the program knows of the taskbar.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/types.h"

namespace vm {

// Where the taskbar is docked; -1 for an edge value the shell should not give.
enum class TaskbarEdge : int { Other = -1, Top = 0, Bottom = 1, Left = 2, Right = 3 };

// The taskbar of another monitor, docked at that monitor's top edge.
struct SecondaryTaskbar {
    Hwnd Handle = 0;            // the "Shell_SecondaryTrayWnd" window
    HMonitor Monitor = 0;       // the monitor it serves
    std::int32_t WatchLine = 0; // the watch line of that monitor
};

struct TaskbarInfo {
    Hwnd Handle = 0;               // the "Shell_TrayWnd" window
    std::int32_t AppBarBottom = 0; // bottom of the application-bar rectangle
    std::int32_t WatchLine = 0;    // a window whose top is above it is a candidate
    bool Hidden = false;           // the program has hidden the taskbar
    std::int32_t RevealTicks = 0;  // ticks with the cursor on the hidden taskbar's band
    bool Suspended = false;        // watching stopped because the taskbar left the top
    // Found by every full pass while the main taskbar is at the top.
    std::vector<SecondaryTaskbar> Secondary;
};

} // namespace vm
