// The program's list of display monitors, in EnumDisplayMonitors order.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "platform/window_system.h"

namespace vm {

class DisplayMonitors {
public:
    void Refresh(IWindowSystem& win);
    std::size_t Count() const { return handles_.size(); }
    HMonitor At(std::size_t index) const { return index < handles_.size() ? handles_[index] : 0; }
    // Index of the monitor in the list, -1 when it is not known.
    int IndexOf(HMonitor monitor) const;
    // Work area of the monitor at index; nothing when the monitor is not
    // known or has gone (GetMonitorInfoA failed).
    std::optional<Rect> WorkArea(IWindowSystem& win, int index) const;

private:
    std::vector<HMonitor> handles_;
};

} // namespace vm
