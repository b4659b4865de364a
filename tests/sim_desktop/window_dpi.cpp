// Windows on the monitors: the monitor and DPI of a window, where
// maximizing puts it, and the messages when the display or a scale changes.
#include "sim_desktop/window_manager.h"

namespace vm::sim {

Rect SimWindowManager::maximizedRect(const SimWindow& window) const {
    const SimMonitor* monitor =
        display_.find(display_.monitorFromRect(window.normalRect, monitor::DEFAULTTONEAREST));
    if (monitor == nullptr)
        return window.normalRect;
    // Like Windows, the frame and its padding lie just outside the work
    // area, at the DPI the window's program draws it at: the one
    // GetDpiForWindow reports for its DPI awareness.
    const std::uint32_t dpi = display_.windowDpi(
        processes_.dpiAwareness(window.pid).value_or(DpiAwareness::PerMonitor), window.normalRect);
    const int frame = display_.systemMetricForDpi(sm::CYFRAME, dpi) +
                      display_.systemMetricForDpi(sm::CXPADDEDBORDER, dpi);
    const Rect work = monitor->work;
    return {work.left - frame, work.top - frame, work.right + frame, work.bottom + frame};
}

HMonitor SimWindowManager::monitorFromWindow(Hwnd window, std::uint32_t flags) const {
    const SimWindow* target = find(window);
    if (target == nullptr) {
        // Without a window, the defaults still apply: the primary monitor.
        return flags == monitor::DEFAULTTONULL ? 0 : display_.monitorFromRect({0, 0, 1, 1}, flags);
    }
    return display_.monitorFromRect(target->minimized() ? target->normalRect : target->rect, flags);
}

std::uint32_t SimWindowManager::systemDpiOf(std::uint32_t pid) const {
    return display_.systemDpi(processes_.dpiAwareness(pid).value_or(DpiAwareness::PerMonitor));
}

std::uint32_t SimWindowManager::dpiFor(const SimWindow& window) const {
    return display_.windowDpi(
        processes_.dpiAwareness(window.pid).value_or(DpiAwareness::PerMonitor), screenRect(window));
}

void SimWindowManager::followDpi(SimWindow& window) {
    if (!window.proc || window.parent != 0 ||
        processes_.dpiAwareness(window.pid) != DpiAwareness::PerMonitor)
        return;
    const std::uint32_t dpi = display_.monitorDpi(window.rect);
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

void SimWindowManager::announceDisplayChange() {
    const Rect primary = display_.primaryRect();
    const auto size =
        static_cast<std::intptr_t>((static_cast<std::uint32_t>(primary.Height()) << 16) |
                                   (static_cast<std::uint32_t>(primary.Width()) & 0xFFFFu));
    for (const Hwnd handle : zOrder()) {
        const SimWindow* window = find(handle);
        if (window != nullptr && window->proc && window->parent == 0)
            callProc(handle, wm::DISPLAYCHANGE, 32, size);
    }
}

} // namespace vm::sim
