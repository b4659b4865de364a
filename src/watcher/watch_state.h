// The change detection of the watch cycle and the repeat guard of the
// active-window rule.
#pragma once

#include <cstdint>

#include "platform/types.h"

namespace vm {

struct WatchState {
    bool Counting = false;
    std::int32_t WindowCount = 0;
    std::int32_t LastWindowCount = 0;
    Hwnd LastForeground = 0;
    Rect LastForegroundRect;
    Rect LastTaskbarRect;
    bool LastHidden = false;
    bool Changed = false;
    Hwnd LastHandledWindow = 0;
    std::int32_t RepeatCount = 0;
};

} // namespace vm
