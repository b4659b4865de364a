// DPI queries. Windows 10 (1607) answers them in user32, Windows 8.1 in
// shcore for a monitor; every older system has only the one system DPI.
// Everything newer than Windows 2000 is looked up at run time.
#include "platform/win32/win32_api.h"

#include <cstring>

#include "platform/win32/system_library.h"
#include "platform/win32/win32_window_system.h"

#include "platform/constants.h"

namespace vm {

namespace {

using GetDpiForWindowProc = UINT(WINAPI*)(HWND);
using GetDpiForSystemProc = UINT(WINAPI*)();
using SystemParametersInfoForDpiProc = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
using GetDpiForMonitorProc = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
constexpr int kEffectiveDpi = 0; // MDT_EFFECTIVE_DPI

struct DpiEntryPoints {
    GetDpiForWindowProc forWindow = nullptr;
    GetDpiForMonitorProc forMonitor = nullptr;
    GetDpiForSystemProc forSystem = nullptr;
    SystemParametersInfoForDpiProc parametersForDpi = nullptr;

    DpiEntryPoints() {
        if (HMODULE user32 = ::GetModuleHandleA("user32.dll")) {
            forWindow =
                reinterpret_cast<GetDpiForWindowProc>(::GetProcAddress(user32, "GetDpiForWindow"));
            forSystem =
                reinterpret_cast<GetDpiForSystemProc>(::GetProcAddress(user32, "GetDpiForSystem"));
            parametersForDpi = reinterpret_cast<SystemParametersInfoForDpiProc>(
                ::GetProcAddress(user32, "SystemParametersInfoForDpi"));
        }
        // Kept loaded for the program's life, as it is asked again at every
        // change of monitor.
        if (forWindow == nullptr) {
            if (HMODULE shcore = win32::LoadSystemLibrary("shcore.dll")) {
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

std::uint32_t Win32WindowSystem::GetDpiForSystem() {
    const DpiEntryPoints& entry = EntryPoints();
    if (entry.forSystem != nullptr) {
        if (const UINT dpi = entry.forSystem(); dpi != 0)
            return dpi;
    }
    return SystemDpi();
}

// The per-DPI query fills in the wide record, with the border padding of
// Vista on; the face name comes back in the system's code page.
bool Win32WindowSystem::GetNonClientMetricsForDpi(NonClientMetrics& metrics, std::uint32_t dpi) {
    const DpiEntryPoints& entry = EntryPoints();
    if (entry.parametersForDpi == nullptr || dpi == 0)
        return false;
    static_assert(sizeof(NONCLIENTMETRICSW) == 504, "the record with iPaddedBorderWidth");
    NONCLIENTMETRICSW record{};
    record.cbSize = sizeof(record);
    if (entry.parametersForDpi(SPI_GETNONCLIENTMETRICS, record.cbSize, &record, 0, dpi) == FALSE)
        return false;
    const LOGFONTW& font = record.lfMessageFont;
    metrics.lfMessageFont.lfHeight = font.lfHeight;
    metrics.lfMessageFont.lfWeight = font.lfWeight;
    metrics.lfMessageFont.lfCharSet = font.lfCharSet;
    char face[sizeof metrics.lfMessageFont.lfFaceName] = {};
    if (::WideCharToMultiByte(CP_ACP, 0, font.lfFaceName, -1, face, sizeof face - 1, nullptr,
                              nullptr) == 0)
        face[0] = '\0';
    std::memcpy(metrics.lfMessageFont.lfFaceName, face, sizeof face);
    return true;
}

} // namespace vm
