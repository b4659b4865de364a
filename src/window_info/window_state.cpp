#include "window_info/window_state.h"

#include <cstdint>

#include "platform/constants.h"

namespace vm {

bool WindowState::IsCloaked(Hwnd window) {
    const FarProc entry = Resolve(dwmGetWindowAttribute_, "dwmapi.dll", "DwmGetWindowAttribute");
    if (entry == 0)
        return false;
    std::uint32_t cloaked = 0;
    return platform_.win.DwmGetWindowAttribute(entry, window, dwmwa::CLOAKED, &cloaked,
                                               sizeof cloaked) == hresult::OK &&
           cloaked != 0;
}

bool WindowState::InMoveSize(Hwnd window) {
    IWindowSystem& win = platform_.win;
    const std::uint32_t thread = win.GetWindowThreadProcessId(window, nullptr);
    GuiThreadInfo info;
    return thread != 0 && win.GetGUIThreadInfo(thread, info) &&
           (info.flags & gui::INMOVESIZE) != 0 && info.hwndMoveSize == window;
}

Hwnd WindowState::MoveSizeWindowOf(Hwnd window) {
    IWindowSystem& win = platform_.win;
    const std::uint32_t thread = win.GetWindowThreadProcessId(window, nullptr);
    GuiThreadInfo info;
    if (thread == 0 || !win.GetGUIThreadInfo(thread, info) || (info.flags & gui::INMOVESIZE) == 0)
        return 0;
    return info.hwndMoveSize;
}

int WindowState::MaximizedOverhang(Hwnd window) {
    IWindowSystem& win = platform_.win;
    const FarProc forDpi = Resolve(getSystemMetricsForDpi_, "user32.dll", "GetSystemMetricsForDpi");
    if (forDpi != 0) {
        // Windows 10 1607 on, where a window's frame follows its monitor.
        const std::uint32_t dpi = win.GetDpiForWindow(window);
        const int frame = win.GetSystemMetricsForDpi(forDpi, sm::CYFRAME, dpi);
        if (dpi != 0 && frame > 0)
            return frame + win.GetSystemMetricsForDpi(forDpi, sm::CXPADDEDBORDER, dpi);
    }
    // Before Vista there is no padding, and the metric is 0.
    return win.GetSystemMetrics(sm::CYFRAME) + win.GetSystemMetrics(sm::CXPADDEDBORDER);
}

FarProc WindowState::Resolve(LateBound& call, const char* file, const char* name) {
    if (!call.looked) {
        call.looked = true;
        IOperatingSystem& os = platform_.os;
        call.library = Own(os, os.LoadLibraryA(file));
        if (call.library)
            call.entry = os.GetProcAddress(call.library.Get(), name);
        if (call.entry == 0)
            call.library.Reset();
    }
    return call.entry;
}

} // namespace vm
