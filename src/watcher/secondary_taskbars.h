// The taskbars of the other monitors. Each one docked at the top edge of
// its own monitor gives that monitor a watch line of its own, worked out
// the way the main taskbar's is.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/window_system.h"
#include "watcher/taskbar_info.h"

namespace vm {

// Every "Shell_SecondaryTrayWnd" at the top of a monitor that is not the
// main taskbar's, one per monitor. With reserveBand the bar's whole height
// below the monitor's top counts, also while an auto-hidden bar slid away;
// offset is the slider's.
std::vector<SecondaryTaskbar> FindSecondaryTaskbars(IWindowSystem& win, Hwnd mainTaskbar,
                                                    bool reserveBand, std::int32_t offset);

} // namespace vm
