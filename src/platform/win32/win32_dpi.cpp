// DPI queries. Windows 10 (1607) answers them in user32, Windows 8.1 in
// shcore for a monitor; every older system has only the one system DPI.
// Everything newer than Windows 2000 is looked up at run time.
#include "platform/win32/win32_api.h"

#include "platform/win32/win32_window_system.h"

#include "platform/constants.h"

namespace vm {

namespace {

using GetDpiForWindowProc = UINT(WINAPI*)(HWND);
using GetDpiForMonitorProc = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
constexpr int kEffectiveDpi = 0; // MDT_EFFECTIVE_DPI

struct DpiEntryPoints {
    GetDpiForWindowProc forWindow = nullptr;
    GetDpiForMonitorProc forMonitor = nullptr;

    DpiEntryPoints() {
        if (HMODULE user32 = ::GetModuleHandleA("user32.dll")) {
            forWindow =
                reinterpret_cast<GetDpiForWindowProc>(::GetProcAddress(user32, "GetDpiForWindow"));
        }
        // Kept loaded for the program's life, as it is asked again at every
        // change of monitor.
        if (forWindow == nullptr) {
            if (HMODULE shcore = ::LoadLibraryA("shcore.dll")) {
                forMonitor = reinterpret_cast<GetDpiForMonitorProc>(
                    ::GetProcAddress(shcore, "GetDpiForMonitor"));
            }
        }
    }
};

const DpiEntryPoints& EntryPoints() {
    static const DpiEntryPoints entryPoints;
    return entryPoints;
}

UINT SystemDpi() {
    HDC screen = ::GetDC(nullptr);
    const int dpi = screen != nullptr ? ::GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen != nullptr)
        ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : kDesignDpi;
}

} // namespace

std::uint32_t Win32WindowSystem::GetDpiForWindow(Hwnd window) {
    const DpiEntryPoints& entry = EntryPoints();
    const HWND hwnd = win32::ToHwnd(window);
    if (entry.forWindow != nullptr) {
        const UINT dpi = entry.forWindow(hwnd);
        if (dpi != 0)
            return dpi;
    }
    if (entry.forMonitor != nullptr) {
        UINT x = 0;
        UINT y = 0;
        HMONITOR monitor = ::MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST);
        if (monitor != nullptr && entry.forMonitor(monitor, kEffectiveDpi, &x, &y) >= 0 && y != 0)
            return y;
    }
    return SystemDpi();
}

} // namespace vm
