#include "watcher/secondary_taskbars.h"

#include <algorithm>

#include "platform/constants.h"
#include "window_info/window_helpers.h"

namespace vm {

namespace {

constexpr char kSecondaryClass[] = "Shell_SecondaryTrayWnd";

// A bar lying across its monitor's upper half; an auto-hidden one that slid
// away still shows its lower edge there.
bool DockedAtTop(const Rect& bar, const Rect& monitor) {
    return bar.Width() > bar.Height() &&
           std::int64_t{bar.top} + bar.bottom < std::int64_t{monitor.top} + monitor.bottom;
}

} // namespace

std::vector<SecondaryTaskbar> FindSecondaryTaskbars(IWindowSystem& win, Hwnd mainTaskbar,
                                                    bool reserveBand, std::int32_t offset) {
    std::vector<SecondaryTaskbar> found;
    const HMonitor mainMonitor = win.MonitorFromWindow(mainTaskbar, monitor::DEFAULTTONEAREST);
    for (Hwnd bar = win.FindWindowExA(0, 0, kSecondaryClass, nullptr); bar != 0;
         bar = win.FindWindowExA(0, bar, kSecondaryClass, nullptr)) {
        Rect r;
        if (!TryGetWindowRect(win, bar, r))
            continue;
        const HMonitor monitor = win.MonitorFromWindow(bar, monitor::DEFAULTTONEAREST);
        MonitorInfo info;
        if (monitor == 0 || monitor == mainMonitor || !win.GetMonitorInfoA(monitor, info) ||
            !DockedAtTop(r, info.rcMonitor))
            continue;
        const bool known = std::any_of(found.begin(), found.end(), [&](const SecondaryTaskbar& s) {
            return s.Monitor == monitor;
        });
        if (known)
            continue;
        const std::int64_t bottom =
            reserveBand ? std::int64_t{info.rcMonitor.top} + r.Height() : r.bottom;
        found.push_back({bar, monitor, ClampToInt32(bottom + offset)});
    }
    return found;
}

} // namespace vm
