// The window system as one process on the simulated desktop sees it.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/window_system.h"

namespace vm::sim {

class SimDesktop;
struct SimWindow;

class SimWindowSystem final : public IWindowSystem {
public:
    SimWindowSystem(SimDesktop& desk, std::uint32_t pid) : desk_(desk), pid_(pid) {}

    bool EnumWindows(const std::function<bool(Hwnd)>& proc) override;
    Hwnd GetForegroundWindow() override;
    bool IsWindow(Hwnd window) override;
    bool IsWindowVisible(Hwnd window) override;
    bool IsWindowEnabled(Hwnd window) override;
    bool IsIconic(Hwnd window) override;
    bool IsZoomed(Hwnd window) override;
    int GetWindowTextA(Hwnd window, char* buffer, int maxCount) override;
    int GetWindowTextLengthA(Hwnd window) override;
    int GetWindowTextW(Hwnd window, char16_t* buffer, int maxCount) override;
    int GetWindowTextLengthW(Hwnd window) override;
    int GetClassNameA(Hwnd window, char* buffer, int maxCount) override;
    bool GetWindowRect(Hwnd window, Rect& rect) override;
    std::int32_t GetWindowLongA(Hwnd window, int index) override;
    std::uint32_t GetWindowThreadProcessId(Hwnd window, std::uint32_t* processId) override;
    Hwnd FindWindowA(const char* className, const char* windowName) override;
    Hwnd FindWindowW(const char16_t* className, const char16_t* windowName) override;
    Hwnd FindWindowExA(Hwnd parent, Hwnd childAfter, const char* className,
                       const char* windowName) override;
    Hwnd GetParent(Hwnd window) override;
    Hwnd GetDesktopWindow() override;
    int GetSystemMetrics(int index) override;
    std::uint32_t GetDpiForWindow(Hwnd window) override;
    std::uint32_t GetDpiForSystem() override;
    bool GetCursorPos(Point& point) override;
    bool GetGUIThreadInfo(std::uint32_t threadId, GuiThreadInfo& info) override;
    int GetSystemMetricsForDpi(FarProc entry, int index, std::uint32_t dpi) override;
    HResult DwmGetWindowAttribute(FarProc entry, Hwnd window, std::uint32_t attribute, void* value,
                                  std::uint32_t size) override;

    bool SetWindowTextA(Hwnd window, const char* text) override;
    bool SetWindowTextW(Hwnd window, const char16_t* text) override;
    bool SetAccessibleName(Hwnd control, const char16_t* name) override;
    std::int32_t SetWindowLongA(Hwnd window, int index, std::int32_t value) override;
    bool MoveWindow(Hwnd window, int x, int y, int width, int height, bool repaint) override;
    bool SetWindowPos(Hwnd window, Hwnd insertAfter, int x, int y, int cx, int cy,
                      std::uint32_t flags) override;
    bool ShowWindow(Hwnd window, int command) override;
    bool ShowWindowAsync(Hwnd window, int command) override;
    bool BringWindowToTop(Hwnd window) override;
    bool SetForegroundWindow(Hwnd window) override;
    bool AllowSetForegroundWindow(std::uint32_t processId) override;
    bool AttachThreadInput(std::uint32_t attachThread, std::uint32_t toThread,
                           bool attach) override;
    bool GetNonClientMetricsA(NonClientMetrics& metrics) override;
    bool GetNonClientMetricsForDpi(NonClientMetrics& metrics, std::uint32_t dpi) override;
    bool SystemParametersInfoA(std::uint32_t action, std::uint32_t uiParam, void* pvParam,
                               std::uint32_t winIni) override;
    bool SetLayeredWindowAttributes(FarProc entry, Hwnd window, std::uint32_t colorKey,
                                    std::uint8_t alpha, std::uint32_t flags) override;
    HWinEventHook SetWinEventHook(FarProc entry, std::uint32_t eventMin, std::uint32_t eventMax,
                                  WinEventProc proc, std::uint32_t processId,
                                  std::uint32_t threadId, std::uint32_t flags) override;
    bool UnhookWinEvent(FarProc entry, HWinEventHook hook) override;

    HMonitor MonitorFromWindow(Hwnd window, std::uint32_t flags) override;
    bool GetMonitorInfoA(HMonitor monitor, MonitorInfo& info) override;
    bool EnumDisplayMonitors(const std::function<bool(HMonitor)>& proc) override;

    std::intptr_t SendMessageA(Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                               std::intptr_t lParam) override;
    std::intptr_t SendMessageTimeoutA(Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                                      std::intptr_t lParam, std::uint32_t flags,
                                      std::uint32_t timeoutMs, std::uintptr_t* result) override;
    std::intptr_t SendMessageTimeoutW(Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                                      std::intptr_t lParam, std::uint32_t flags,
                                      std::uint32_t timeoutMs, std::uintptr_t* result) override;
    bool PostMessageA(Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                      std::intptr_t lParam) override;
    bool SendMessageCallbackW(Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                              std::intptr_t lParam, SendAsyncProc callback) override;
    bool SendNotifyMessageW(Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                            std::intptr_t lParam) override;
    std::uint32_t RegisterWindowMessageA(const char* name) override;
    int MessageBoxA(Hwnd owner, const char* text, const char* caption, std::uint32_t type) override;
    int MessageBoxW(Hwnd owner, const char16_t* text, const char16_t* caption,
                    std::uint32_t type) override;

    Hwnd CreateProgramWindow(ProgramWindowSpec spec) override;
    Hwnd CreateControl(const ControlSpec& spec) override;
    bool DestroyWindow(Hwnd window) override;
    bool SetTimer(Hwnd window, std::uintptr_t id, std::uint32_t elapseMs) override;
    bool KillTimer(Hwnd window, std::uintptr_t id) override;

    bool EnableWindow(Hwnd window, bool enable) override;
    Hwnd SetFocus(Hwnd window) override;
    Hwnd GetFocus() override;
    Hwnd GetNextDlgTabItem(Hwnd dialog, Hwnd control, bool previous) override;
    Hwnd GetDlgItem(Hwnd dialog, int controlId) override;
    int GetDlgCtrlID(Hwnd window) override;
    bool InitCommonControlsEx(std::uint32_t classes) override;
    bool IsAppThemed() override;
    bool RedrawWindow(Hwnd window, std::uint32_t flags) override;

    HFont CreateFontIndirectA(const LogFontA& font) override;
    bool DeleteObject(HGdiObj object) override;
    ColorRef GetSysColor(int index) override;
    HBrush GetSysColorBrush(int index) override;
    ColorRef SetTextColor(Hdc dc, ColorRef color) override;
    ColorRef SetBkColor(Hdc dc, ColorRef color) override;
    Hdc GetDC(Hwnd window) override;
    int ReleaseDC(Hwnd window, Hdc dc) override;
    HGdiObj SelectObject(Hdc dc, HGdiObj object) override;
    bool GetTextExtentPoint32A(Hdc dc, const char* text, int length, Size& size) override;

    bool GetOpenFileNameA(OpenFileNameA& dialog) override;
    HIcon LoadImageA(int resourceId, std::uint32_t type, int cx, int cy,
                     std::uint32_t flags) override;
    HIcon CopyIcon(HIcon icon) override;
    bool DestroyIcon(HIcon icon) override;
    HMenu CreatePopupMenu() override;
    bool AppendMenuA(HMenu menu, std::uint32_t flags, std::uintptr_t id, const char* text) override;
    bool AppendMenuW(HMenu menu, std::uint32_t flags, std::uintptr_t id,
                     const char16_t* text) override;
    // The user's choice comes from SimShellObjects::chooseMenuItem; the call
    // returns at once.
    int TrackPopupMenu(HMenu menu, std::uint32_t flags, int x, int y, Hwnd owner) override;
    bool DestroyMenu(HMenu menu) override;

    void PostQuitMessage(int exitCode) override;
    int RunMessageLoop() override;
    void ProcessMessages() override;

private:
    // Whether entry is the address of user32's export of that name.
    bool IsUser32Export(FarProc entry, const char* name) const;
    // The topmost top-level window that matches; 0 when none does.
    Hwnd TopmostTopLevel(const std::function<bool(const SimWindow&)>& matches) const;
    // A send to a thread of another process: what is sent meanwhile is
    // handled; handle runs the receiver's procedure.
    std::intptr_t SendAcross(std::uint32_t receiver, const std::function<std::intptr_t()>& handle);
    std::intptr_t SendWithTimeout(Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                                  std::intptr_t lParam, std::uint32_t flags,
                                  std::uint32_t timeoutMs, std::uintptr_t* result, bool wide);
    // The window a synchronous change is for, once its thread carries the
    // change out: the caller waits for a thread that does not answer. Null
    // when the window is gone, refuses the caller, or its thread never
    // answers.
    SimWindow* WaitForOwner(Hwnd window);
    SimDesktop& desk_;
    std::uint32_t pid_;
};

} // namespace vm::sim
