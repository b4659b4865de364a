// Monitors and system metrics.
#include "sim_desktop/display.h"

#include <algorithm>
#include <limits>

namespace vm::sim {

namespace {
std::int64_t OverlapArea(Rect a, Rect b) {
    const std::int64_t width = std::min(a.right, b.right) - std::max(a.left, b.left);
    const std::int64_t height = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    return (width > 0 && height > 0) ? width * height : 0;
}

std::int64_t SquaredDistance(Rect a, Rect b) {
    const std::int64_t dx = std::max({0, b.left - a.right, a.left - b.right});
    const std::int64_t dy = std::max({0, b.top - a.bottom, a.top - b.bottom});
    return dx * dx + dy * dy;
}
} // namespace

HMonitor SimDisplay::add(Rect monitor, Rect work, std::uint32_t dpi) {
    // Never a handle of a monitor removed before.
    const HMonitor handle{nextMonitor_};
    nextMonitor_ += 2;
    monitors_.push_back({handle, monitor, work, dpi});
    return handle;
}

void SimDisplay::set(HMonitor handle, Rect monitor, Rect work) {
    for (SimMonitor& m : monitors_) {
        if (m.handle == handle) {
            m.monitor = monitor;
            m.work = work;
        }
    }
}

void SimDisplay::setDpi(HMonitor handle, std::uint32_t dpi) {
    for (SimMonitor& m : monitors_) {
        if (m.handle == handle)
            m.dpi = dpi;
    }
}

void SimDisplay::remove(HMonitor handle) {
    if (monitors_.size() > 1 && monitors_.front().handle != handle)
        std::erase_if(monitors_, [handle](const SimMonitor& m) { return m.handle == handle; });
}

HMonitor SimDisplay::monitorFromRect(Rect rect, std::uint32_t flags) const {
    if (monitors_.empty())
        return 0;
    // An empty rectangle still lies somewhere: treat it as one pixel.
    if (rect.right == rect.left)
        ++rect.right;
    if (rect.bottom == rect.top)
        ++rect.bottom;
    const SimMonitor* best = nullptr;
    std::int64_t bestArea = 0;
    for (const SimMonitor& monitor : monitors_) {
        const std::int64_t area = OverlapArea(rect, monitor.monitor);
        if (area > bestArea) {
            best = &monitor;
            bestArea = area;
        }
    }
    if (best != nullptr)
        return best->handle;
    if (flags == monitor::DEFAULTTOPRIMARY)
        return monitors_.front().handle;
    if (flags != monitor::DEFAULTTONEAREST)
        return 0;
    std::int64_t nearest = std::numeric_limits<std::int64_t>::max();
    for (const SimMonitor& monitor : monitors_) {
        const std::int64_t distance = SquaredDistance(rect, monitor.monitor);
        if (distance < nearest) {
            best = &monitor;
            nearest = distance;
        }
    }
    return best != nullptr ? best->handle : 0;
}

const SimMonitor* SimDisplay::find(HMonitor handle) const {
    for (const SimMonitor& monitor : monitors_) {
        if (monitor.handle == handle)
            return &monitor;
    }
    return nullptr;
}

std::uint32_t SimDisplay::monitorDpi(Rect rect) const {
    const SimMonitor* monitor = find(monitorFromRect(rect, monitor::DEFAULTTONEAREST));
    return monitor != nullptr ? monitor->dpi : kDesignDpi;
}

std::uint32_t SimDisplay::systemDpi(DpiAwareness awareness) const {
    // The primary monitor's scale is the system's; an unaware program is
    // told 96 whatever the scale.
    if (monitors_.empty() || awareness == DpiAwareness::Unaware)
        return kDesignDpi;
    return monitors_.front().dpi;
}

std::uint32_t SimDisplay::windowDpi(DpiAwareness awareness, Rect screen) const {
    switch (awareness) {
        case DpiAwareness::PerMonitor:
            return monitorDpi(screen);
        case DpiAwareness::System:
            return systemDpi();
        case DpiAwareness::Unaware:
            break;
    }
    return kDesignDpi;
}

LogFontA SimDisplay::messageFontAt(std::uint32_t dpi) const {
    LogFontA font = messageFont_;
    const std::int64_t product = std::int64_t{font.lfHeight} * dpi;
    const std::int64_t half = kDesignDpi / 2;
    font.lfHeight = static_cast<std::int32_t>((product >= 0 ? product + half : product - half) /
                                              std::int64_t{kDesignDpi});
    return font;
}

int SimDisplay::systemMetricForDpi(int index, std::uint32_t dpi) const {
    // The sizing frame is 4 pixels at 96 DPI; Vista pads it by as much again.
    const int frame = static_cast<int>((4 * dpi + kDesignDpi / 2) / kDesignDpi);
    Rect all = monitors_.empty() ? Rect{} : monitors_.front().monitor;
    for (const SimMonitor& monitor : monitors_) {
        all.left = std::min(all.left, monitor.monitor.left);
        all.top = std::min(all.top, monitor.monitor.top);
        all.right = std::max(all.right, monitor.monitor.right);
        all.bottom = std::max(all.bottom, monitor.monitor.bottom);
    }
    switch (index) {
        case sm::CXSCREEN:
            return primaryRect().Width();
        case sm::CYSCREEN:
            return primaryRect().Height();
        case sm::CYCAPTION:
            return 19;
        case sm::CXFRAME:
        case sm::CYFRAME:
            return frame;
        case sm::CXPADDEDBORDER:
            return version_.dwMajorVersion >= 6 ? frame : 0;
        case sm::XVIRTUALSCREEN:
            return all.left;
        case sm::YVIRTUALSCREEN:
            return all.top;
        case sm::CXVIRTUALSCREEN:
            return all.Width();
        case sm::CYVIRTUALSCREEN:
            return all.Height();
        case sm::CMONITORS:
            return static_cast<int>(monitors_.size());
        default:
            return 0;
    }
}

Rect SimDisplay::primaryRect() const {
    return monitors_.empty() ? Rect{} : monitors_.front().monitor;
}

} // namespace vm::sim
