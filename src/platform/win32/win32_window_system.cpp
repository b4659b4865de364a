// Queries and changes of any window, monitors and messages: user32 one to one.
#include "platform/win32/win32_api.h"

#include "platform/win32/win32_window_system.h"

#include <cstddef>
#include <cstring>
#include <exception>
#include <memory>
#include <utility>

#include "platform/win32/win32_error_trace.h"

namespace vm {

using win32::FromHandle;
using win32::ToHandle;
using win32::ToHwnd;

namespace {

// The callbacks come back through LPARAM. An error must not unwind through
// the system's frames: the callback keeps it and ends the walk, and the
// enumeration raises it again in the caller, as the simulated desktop does.
template <typename Item>
struct EnumCall {
    const std::function<bool(Item)>& proc;
    std::exception_ptr error;

    BOOL Visit(Item item) {
        try {
            return proc(item) ? TRUE : FALSE;
        } catch (...) {
            error = std::current_exception();
            return FALSE;
        }
    }
    bool Finish(BOOL completed) const {
        if (error)
            std::rethrow_exception(error);
        return completed != FALSE;
    }
};

BOOL CALLBACK EnumWindowsTrampoline(HWND window, LPARAM param) {
    return reinterpret_cast<EnumCall<Hwnd>*>(param)->Visit(FromHandle(window));
}

BOOL CALLBACK EnumMonitorsTrampoline(HMONITOR monitor, HDC, LPRECT, LPARAM param) {
    return reinterpret_cast<EnumCall<HMonitor>*>(param)->Visit(FromHandle(monitor));
}

} // namespace

bool Win32WindowSystem::EnumWindows(const std::function<bool(Hwnd)>& proc) {
    EnumCall<Hwnd> call{proc, nullptr};
    return call.Finish(::EnumWindows(EnumWindowsTrampoline, reinterpret_cast<LPARAM>(&call)));
}

Hwnd Win32WindowSystem::GetForegroundWindow() {
    return FromHandle(::GetForegroundWindow());
}

bool Win32WindowSystem::IsWindow(Hwnd window) {
    return ::IsWindow(ToHwnd(window)) != FALSE;
}

bool Win32WindowSystem::IsWindowVisible(Hwnd window) {
    return ::IsWindowVisible(ToHwnd(window)) != FALSE;
}

bool Win32WindowSystem::IsWindowEnabled(Hwnd window) {
    return ::IsWindowEnabled(ToHwnd(window)) != FALSE;
}

bool Win32WindowSystem::IsIconic(Hwnd window) {
    return ::IsIconic(ToHwnd(window)) != FALSE;
}

bool Win32WindowSystem::IsZoomed(Hwnd window) {
    return ::IsZoomed(ToHwnd(window)) != FALSE;
}

int Win32WindowSystem::GetWindowTextA(Hwnd window, char* buffer, int maxCount) {
    return ::GetWindowTextA(ToHwnd(window), buffer, maxCount);
}

int Win32WindowSystem::GetWindowTextLengthA(Hwnd window) {
    return ::GetWindowTextLengthA(ToHwnd(window));
}

int Win32WindowSystem::GetWindowTextW(Hwnd window, char16_t* buffer, int maxCount) {
    return ::GetWindowTextW(ToHwnd(window), win32::ToWide(buffer), maxCount);
}

int Win32WindowSystem::GetWindowTextLengthW(Hwnd window) {
    return ::GetWindowTextLengthW(ToHwnd(window));
}

int Win32WindowSystem::GetClassNameA(Hwnd window, char* buffer, int maxCount) {
    return ::GetClassNameA(ToHwnd(window), buffer, maxCount);
}

bool Win32WindowSystem::GetWindowRect(Hwnd window, Rect& rect) {
    RECT r{};
    const bool ok = ::GetWindowRect(ToHwnd(window), &r) != FALSE;
    rect = win32::FromRECT(r);
    return ok;
}

std::int32_t Win32WindowSystem::GetWindowLongA(Hwnd window, int index) {
    return static_cast<std::int32_t>(::GetWindowLongA(ToHwnd(window), index));
}

std::uint32_t Win32WindowSystem::GetWindowThreadProcessId(Hwnd window, std::uint32_t* processId) {
    DWORD pid = 0;
    const DWORD thread = ::GetWindowThreadProcessId(ToHwnd(window), &pid);
    if (processId != nullptr) {
        *processId = static_cast<std::uint32_t>(pid);
    }
    return static_cast<std::uint32_t>(thread);
}

Hwnd Win32WindowSystem::FindWindowW(const char16_t* className, const char16_t* windowName) {
    return FromHandle(::FindWindowW(reinterpret_cast<const wchar_t*>(className),
                                    reinterpret_cast<const wchar_t*>(windowName)));
}

Hwnd Win32WindowSystem::FindWindowA(const char* className, const char* windowName) {
    return FromHandle(::FindWindowA(className, windowName));
}

Hwnd Win32WindowSystem::FindWindowExA(Hwnd parent, Hwnd childAfter, const char* className,
                                      const char* windowName) {
    return FromHandle(::FindWindowExA(ToHwnd(parent), ToHwnd(childAfter), className, windowName));
}

Hwnd Win32WindowSystem::GetParent(Hwnd window) {
    return FromHandle(::GetParent(ToHwnd(window)));
}

Hwnd Win32WindowSystem::GetDesktopWindow() {
    return FromHandle(::GetDesktopWindow());
}

int Win32WindowSystem::GetSystemMetrics(int index) {
    return ::GetSystemMetrics(index);
}

bool Win32WindowSystem::GetCursorPos(Point& point) {
    POINT p{};
    const bool ok = ::GetCursorPos(&p) != FALSE;
    point = Point{static_cast<std::int32_t>(p.x), static_cast<std::int32_t>(p.y)};
    return ok;
}

bool Win32WindowSystem::SetWindowTextA(Hwnd window, const char* text) {
    return ::SetWindowTextA(ToHwnd(window), text) != FALSE;
}

bool Win32WindowSystem::SetWindowTextW(Hwnd window, const char16_t* text) {
    return ::SetWindowTextW(ToHwnd(window), win32::ToWide(text)) != FALSE;
}

std::int32_t Win32WindowSystem::SetWindowLongA(Hwnd window, int index, std::int32_t value) {
    return static_cast<std::int32_t>(::SetWindowLongA(ToHwnd(window), index, value));
}

bool Win32WindowSystem::MoveWindow(Hwnd window, int x, int y, int width, int height, bool repaint) {
    return ::MoveWindow(ToHwnd(window), x, y, width, height, repaint ? TRUE : FALSE) != FALSE;
}

bool Win32WindowSystem::SetWindowPos(Hwnd window, Hwnd insertAfter, int x, int y, int cx, int cy,
                                     std::uint32_t flags) {
    return ::SetWindowPos(ToHwnd(window), ToHwnd(insertAfter), x, y, cx, cy, flags) != FALSE;
}

bool Win32WindowSystem::ShowWindow(Hwnd window, int command) {
    return ::ShowWindow(ToHwnd(window), command) != FALSE;
}

bool Win32WindowSystem::ShowWindowAsync(Hwnd window, int command) {
    return ::ShowWindowAsync(ToHwnd(window), command) != FALSE;
}

bool Win32WindowSystem::BringWindowToTop(Hwnd window) {
    return ::BringWindowToTop(ToHwnd(window)) != FALSE;
}

bool Win32WindowSystem::SetForegroundWindow(Hwnd window) {
    return ::SetForegroundWindow(ToHwnd(window)) != FALSE;
}

bool Win32WindowSystem::AllowSetForegroundWindow(std::uint32_t processId) {
    return ::AllowSetForegroundWindow(processId) != FALSE;
}

bool Win32WindowSystem::AttachThreadInput(std::uint32_t attachThread, std::uint32_t toThread,
                                          bool attach) {
    return ::AttachThreadInput(attachThread, toThread, attach ? TRUE : FALSE) != FALSE;
}

// The record as far as the message font, the size Windows 2000 knows; later
// fields came with later versions.
bool Win32WindowSystem::GetNonClientMetricsA(NonClientMetrics& metrics) {
    NONCLIENTMETRICSA record{};
    record.cbSize = offsetof(NONCLIENTMETRICSA, lfMessageFont) + sizeof(LOGFONTA);
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, record.cbSize, &record, 0) == FALSE)
        return false;
    const LOGFONTA& font = record.lfMessageFont;
    metrics.lfMessageFont.lfHeight = font.lfHeight;
    metrics.lfMessageFont.lfWeight = font.lfWeight;
    metrics.lfMessageFont.lfCharSet = font.lfCharSet;
    static_assert(sizeof(font.lfFaceName) == sizeof(metrics.lfMessageFont.lfFaceName));
    std::memcpy(metrics.lfMessageFont.lfFaceName, font.lfFaceName, sizeof(font.lfFaceName));
    metrics.lfMessageFont.lfFaceName[sizeof(font.lfFaceName) - 1] = '\0';
    return true;
}

bool Win32WindowSystem::SystemParametersInfoA(std::uint32_t action, std::uint32_t uiParam,
                                              void* pvParam, std::uint32_t winIni) {
    return ::SystemParametersInfoA(action, uiParam, pvParam, winIni) != FALSE;
}

bool Win32WindowSystem::SetLayeredWindowAttributes(FarProc entry, Hwnd window,
                                                   std::uint32_t colorKey, std::uint8_t alpha,
                                                   std::uint32_t flags) {
    using SetLayeredWindowAttributesProc = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
    if (entry == 0)
        return false;
    const auto call = reinterpret_cast<SetLayeredWindowAttributesProc>(entry);
    return call(ToHwnd(window), colorKey, alpha, flags) != FALSE;
}

HMonitor Win32WindowSystem::MonitorFromWindow(Hwnd window, std::uint32_t flags) {
    return FromHandle(::MonitorFromWindow(ToHwnd(window), flags));
}

bool Win32WindowSystem::GetMonitorInfoA(HMonitor monitor, MonitorInfo& info) {
    MONITORINFO mi{};
    mi.cbSize = sizeof(mi);
    if (::GetMonitorInfoA(ToHandle<HMONITOR>(monitor), &mi) == FALSE) {
        return false;
    }
    info.rcMonitor = win32::FromRECT(mi.rcMonitor);
    info.rcWork = win32::FromRECT(mi.rcWork);
    info.dwFlags = mi.dwFlags;
    return true;
}

bool Win32WindowSystem::EnumDisplayMonitors(const std::function<bool(HMonitor)>& proc) {
    EnumCall<HMonitor> call{proc, nullptr};
    return call.Finish(::EnumDisplayMonitors(nullptr, nullptr, EnumMonitorsTrampoline,
                                             reinterpret_cast<LPARAM>(&call)));
}

std::intptr_t Win32WindowSystem::SendMessageA(Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                                              std::intptr_t lParam) {
    return static_cast<std::intptr_t>(::SendMessageA(ToHwnd(window), msg, wParam, lParam));
}

std::intptr_t Win32WindowSystem::SendMessageTimeoutA(Hwnd window, std::uint32_t msg,
                                                     std::uintptr_t wParam, std::intptr_t lParam,
                                                     std::uint32_t flags, std::uint32_t timeoutMs,
                                                     std::uintptr_t* result) {
    DWORD_PTR answer = 0;
    const LRESULT sent =
        ::SendMessageTimeoutA(ToHwnd(window), msg, wParam, lParam, flags, timeoutMs, &answer);
    if (result != nullptr)
        *result = answer;
    return static_cast<std::intptr_t>(sent);
}

std::intptr_t Win32WindowSystem::SendMessageTimeoutW(Hwnd window, std::uint32_t msg,
                                                     std::uintptr_t wParam, std::intptr_t lParam,
                                                     std::uint32_t flags, std::uint32_t timeoutMs,
                                                     std::uintptr_t* result) {
    DWORD_PTR answer = 0;
    const LRESULT sent =
        ::SendMessageTimeoutW(ToHwnd(window), msg, wParam, lParam, flags, timeoutMs, &answer);
    if (result != nullptr)
        *result = answer;
    return static_cast<std::intptr_t>(sent);
}

bool Win32WindowSystem::PostMessageA(Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                                     std::intptr_t lParam) {
    return ::PostMessageA(ToHwnd(window), msg, wParam, lParam) != FALSE;
}

namespace {

// The callback of SendMessageCallbackW, which owns the answer's handler.
void CALLBACK SentMessageAnswered(HWND window, UINT msg, ULONG_PTR data, LRESULT result) {
    const std::unique_ptr<SendAsyncProc> callback(reinterpret_cast<SendAsyncProc*>(data));
    try {
        (*callback)(FromHandle(window), msg, static_cast<std::intptr_t>(result));
    } catch (...) {
        win32::TraceError();
    }
}

} // namespace

bool Win32WindowSystem::SendMessageCallbackW(Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                                             std::intptr_t lParam, SendAsyncProc callback) {
    auto owned = std::make_unique<SendAsyncProc>(std::move(callback));
    if (::SendMessageCallbackW(ToHwnd(window), msg, wParam, lParam, SentMessageAnswered,
                               reinterpret_cast<ULONG_PTR>(owned.get())) == FALSE)
        return false;
    // The callback frees it; a thread that never answers keeps its few bytes.
    static_cast<void>(owned.release());
    return true;
}

bool Win32WindowSystem::SendNotifyMessageW(Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                                           std::intptr_t lParam) {
    return ::SendNotifyMessageW(ToHwnd(window), msg, wParam, lParam) != FALSE;
}

std::uint32_t Win32WindowSystem::RegisterWindowMessageA(const char* name) {
    return ::RegisterWindowMessageA(name);
}

int Win32WindowSystem::MessageBoxW(Hwnd owner, const char16_t* text, const char16_t* caption,
                                   std::uint32_t type) {
    return ::MessageBoxW(ToHwnd(owner), reinterpret_cast<const wchar_t*>(text),
                         reinterpret_cast<const wchar_t*>(caption), type);
}

int Win32WindowSystem::MessageBoxA(Hwnd owner, const char* text, const char* caption,
                                   std::uint32_t type) {
    return ::MessageBoxA(ToHwnd(owner), text, caption, type);
}

} // namespace vm
