#include "window_info/display_monitors.h"

namespace vm {

void DisplayMonitors::Refresh(IWindowSystem& win) {
    handles_.clear();
    win.EnumDisplayMonitors([this](HMonitor monitor) {
        handles_.push_back(monitor);
        return true;
    });
}

int DisplayMonitors::IndexOf(HMonitor monitor) const {
    if (monitor == 0)
        return -1;
    for (std::size_t i = 0; i < handles_.size(); ++i) {
        if (handles_[i] == monitor)
            return static_cast<int>(i);
    }
    return -1;
}

std::optional<Rect> DisplayMonitors::WorkArea(IWindowSystem& win, int index) const {
    MonitorInfo info;
    if (index < 0 || !win.GetMonitorInfoA(At(static_cast<std::size_t>(index)), info))
        return std::nullopt;
    return info.rcWork;
}

} // namespace vm
