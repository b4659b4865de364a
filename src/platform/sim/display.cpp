// Monitors and system metrics.
#include <algorithm>
#include <limits>

#include "platform/sim/desktop_process.h"
#include "platform/sim/sim_desktop.h"

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

HMonitor SimDesktop::monitorFromRect(Rect rect, std::uint32_t flags) const {
    if (monitors_.empty())
        return 0;
    // An empty rectangle still lies somewhere: treat it as one pixel.
    if (rect.right == rect.left)
        ++rect.right;
    if (rect.bottom == rect.top)
        ++rect.bottom;
    const Monitor* best = nullptr;
    std::int64_t bestArea = 0;
    for (const Monitor& monitor : monitors_) {
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
    for (const Monitor& monitor : monitors_) {
        const std::int64_t distance = SquaredDistance(rect, monitor.monitor);
        if (distance < nearest) {
            best = &monitor;
            nearest = distance;
        }
    }
    return best != nullptr ? best->handle : 0;
}

HMonitor SimDesktop::monitorFromWindow(Hwnd window, std::uint32_t flags) {
    const SimWindow* target = find(window);
    if (target == nullptr) {
        // Without a window, the defaults still apply: the primary monitor.
        return flags == monitor::DEFAULTTONULL ? 0 : monitorFromRect({0, 0, 1, 1}, flags);
    }
    return monitorFromRect(target->minimized() ? target->normalRect : target->rect, flags);
}

const SimDesktop::Monitor* SimDesktop::findMonitor(HMonitor handle) const {
    for (const Monitor& monitor : monitors_) {
        if (monitor.handle == handle)
            return &monitor;
    }
    return nullptr;
}

std::uint32_t SimDesktop::monitorDpi(Rect rect) const {
    const Monitor* monitor = findMonitor(monitorFromRect(rect, monitor::DEFAULTTONEAREST));
    return monitor != nullptr ? monitor->dpi : kDesignDpi;
}

std::uint32_t SimDesktop::systemDpiOf(std::uint32_t pid) const {
    // The primary monitor's scale is the system's; an unaware program is
    // told 96 whatever the scale.
    const Process* process = findProcess(pid);
    if (process != nullptr && process->dpiAwareness == DpiAwareness::Unaware)
        return kDesignDpi;
    return monitors_.empty() ? kDesignDpi : monitors_.front().dpi;
}

LogFontA SimDesktop::messageFontAt(std::uint32_t dpi) const {
    LogFontA font = messageFont_;
    const std::int64_t product = std::int64_t{font.lfHeight} * dpi;
    const std::int64_t half = kDesignDpi / 2;
    font.lfHeight = static_cast<std::int32_t>((product >= 0 ? product + half : product - half) /
                                              std::int64_t{kDesignDpi});
    return font;
}

std::uint32_t SimDesktop::dpiFor(const SimWindow& window) const {
    const Process* process = findProcess(window.pid);
    const DpiAwareness awareness =
        process != nullptr ? process->dpiAwareness : DpiAwareness::PerMonitor;
    switch (awareness) {
        case DpiAwareness::PerMonitor:
            return monitorDpi(screenRect(window));
        case DpiAwareness::System:
            return monitors_.empty() ? kDesignDpi : monitors_.front().dpi;
        case DpiAwareness::Unaware:
            break;
    }
    return kDesignDpi;
}

void SimDesktop::followDpi(SimWindow& window) {
    const Process* process = findProcess(window.pid);
    if (!window.proc || window.parent != 0 || process == nullptr ||
        process->dpiAwareness != DpiAwareness::PerMonitor)
        return;
    const std::uint32_t dpi = monitorDpi(window.rect);
    if (dpi == window.dpi || window.dpi == 0 || dpi == 0)
        return;
    // The size the system suggests keeps the window's look at the new scale.
    const auto scaled = [&](std::int32_t length) {
        return static_cast<std::int32_t>((std::int64_t{length} * dpi + window.dpi / 2) /
                                         window.dpi);
    };
    const Rect& r = window.rect;
    Rect suggested{r.left, r.top, r.left + scaled(r.Width()), r.top + scaled(r.Height())};
    window.dpi = dpi;
    callProc(window.handle, wm::DPICHANGED, (std::uintptr_t{dpi} << 16) | dpi,
             reinterpret_cast<std::intptr_t>(&suggested));
}

void SimDesktop::announceDisplayChange() {
    const Rect primary = primaryRect();
    const auto size =
        static_cast<std::intptr_t>((static_cast<std::uint32_t>(primary.Height()) << 16) |
                                   (static_cast<std::uint32_t>(primary.Width()) & 0xFFFFu));
    for (const Hwnd handle : zOrder()) {
        const SimWindow* window = find(handle);
        if (window != nullptr && window->proc && window->parent == 0)
            callProc(handle, wm::DISPLAYCHANGE, 32, size);
    }
}

int SimDesktop::systemMetric(int index) const {
    return systemMetricForDpi(index, monitors_.empty() ? kDesignDpi : monitors_.front().dpi);
}

int SimDesktop::systemMetricForDpi(int index, std::uint32_t dpi) const {
    // The sizing frame is 4 pixels at 96 DPI; Vista pads it by as much again.
    const int frame = static_cast<int>((4 * dpi + kDesignDpi / 2) / kDesignDpi);
    Rect all = monitors_.empty() ? Rect{} : monitors_.front().monitor;
    for (const Monitor& monitor : monitors_) {
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

std::uint32_t SimDesktop::systemDpiFor(std::uint32_t pid) const {
    const Process* process = findProcess(pid);
    if (monitors_.empty() || (process != nullptr && process->dpiAwareness == DpiAwareness::Unaware))
        return kDesignDpi;
    return monitors_.front().dpi;
}

Rect SimDesktop::primaryRect() const {
    return monitors_.empty() ? Rect{} : monitors_.front().monitor;
}

} // namespace vm::sim
