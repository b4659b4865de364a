// The window system as the program sees it: windows, styles, texts, z-order,
// foreground, monitors, cursor, metrics, messages, and the program's own
// windows with their timers and message loop. Method names mirror the Win32
// calls one to one.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "platform/types.h"

namespace vm {

// What a window procedure answers: the message's result, or std::nullopt
// when it leaves the message to the system's default handling.
using MsgResult = std::optional<std::intptr_t>;

// The window procedure of a window the program creates itself.
using WndProc =
    std::function<MsgResult(Hwnd, std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam)>;

// What SendMessageCallback hands back once the message was answered: the
// window, the message and the answer.
using SendAsyncProc = std::function<void(Hwnd window, std::uint32_t msg, std::intptr_t result)>;

// A window event as SetWinEventHook reports it: the event, the window and
// the object in it, the thread that caused it and the time in milliseconds.
using WinEventProc =
    std::function<void(HWinEventHook hook, std::uint32_t event, Hwnd window, std::int32_t idObject,
                       std::int32_t idChild, std::uint32_t eventThread, std::uint32_t timeMs)>;

// A window the program creates with its own procedure: CreateWindowEx's
// arguments by name. owner is the parent of a ws::CHILD window.
struct ProgramWindowSpec {
    const char* className = nullptr;
    const char* title = "";
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    Hwnd owner = 0;
    WndProc proc = nullptr;
};

// A child window of a system class with its control ID (the hMenu of the
// Win32 call).
struct ControlSpec {
    const char* className = nullptr;
    const char* text = "";
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    Hwnd parent = 0;
    int id = 0;
};

class IWindowSystem {
public:
    virtual ~IWindowSystem() = default;

    // Queries. Texts are ANSI (code page 932) or UTF-16, as the Win32 call.
    // The callback returns true to go on; EnumWindows visits the top of the
    // z-order first.
    virtual bool EnumWindows(const std::function<bool(Hwnd)>& proc) = 0;
    virtual Hwnd GetForegroundWindow() = 0;
    virtual bool IsWindow(Hwnd window) = 0;
    virtual bool IsWindowVisible(Hwnd window) = 0;
    virtual bool IsWindowEnabled(Hwnd window) = 0;
    virtual bool IsIconic(Hwnd window) = 0;
    virtual bool IsZoomed(Hwnd window) = 0;
    virtual int GetWindowTextA(Hwnd window, char* buffer, int maxCount) = 0;
    virtual int GetWindowTextLengthA(Hwnd window) = 0;
    virtual int GetWindowTextW(Hwnd window, char16_t* buffer, int maxCount) = 0;
    virtual int GetWindowTextLengthW(Hwnd window) = 0;
    virtual int GetClassNameA(Hwnd window, char* buffer, int maxCount) = 0;
    virtual bool GetWindowRect(Hwnd window, Rect& rect) = 0;
    virtual std::int32_t GetWindowLongA(Hwnd window, int index) = 0;
    virtual std::uint32_t GetWindowThreadProcessId(Hwnd window, std::uint32_t* processId) = 0;
    // Either argument may be null, meaning "any".
    virtual Hwnd FindWindowA(const char* className, const char* windowName) = 0;
    virtual Hwnd FindWindowW(const char16_t* className, const char16_t* windowName) = 0;
    // The windows below parent (0: the top-level windows), after childAfter
    // (0: from the first) in z-order; className and windowName as above.
    virtual Hwnd FindWindowExA(Hwnd parent, Hwnd childAfter, const char* className,
                               const char* windowName) = 0;
    // The parent of a child window, the owner of a top-level one, else 0.
    virtual Hwnd GetParent(Hwnd window) = 0;
    virtual Hwnd GetDesktopWindow() = 0;
    virtual int GetSystemMetrics(int index) = 0;
    // The DPI the window is drawn at: its monitor's where Windows scales
    // per monitor (8.1 on), else the system's.
    virtual std::uint32_t GetDpiForWindow(Hwnd window) = 0;
    // The system DPI (GetDpiForSystem, or the screen's LOGPIXELSY where
    // that is missing): the one DPI of every system before Windows 8.1.
    virtual std::uint32_t GetDpiForSystem() = 0;
    virtual bool GetCursorPos(Point& point) = 0;
    // What a thread's user interface is doing (in a move or size loop, and
    // with which window); false for a thread that is gone or has none.
    virtual bool GetGUIThreadInfo(std::uint32_t threadId, GuiThreadInfo& info) = 0;
    // Newer calls, through the address the caller looked up (0 fails):
    // GetSystemMetricsForDpi (user32 of Windows 10 1607 on) answers 0 then;
    // DwmGetWindowAttribute (dwmapi, Vista on) answers its HRESULT, and
    // hresult::INVALID_ARGUMENT for a null address.
    virtual int GetSystemMetricsForDpi(FarProc entry, int index, std::uint32_t dpi) = 0;
    virtual HResult DwmGetWindowAttribute(FarProc entry, Hwnd window, std::uint32_t attribute,
                                          void* value, std::uint32_t size) = 0;

    // Changes to any window.
    virtual bool SetWindowTextA(Hwnd window, const char* text) = 0;
    virtual bool SetWindowTextW(Hwnd window, const char16_t* text) = 0;
    // The name screen readers read for a control of ours instead of its
    // text: its answer to WM_GETOBJECT is the system's accessible object
    // with this name (oleacc looked up at the first question).
    virtual bool SetAccessibleName(Hwnd control, const char16_t* name) = 0;
    virtual std::int32_t SetWindowLongA(Hwnd window, int index, std::int32_t value) = 0;
    virtual bool MoveWindow(Hwnd window, int x, int y, int width, int height, bool repaint) = 0;
    virtual bool SetWindowPos(Hwnd window, Hwnd insertAfter, int x, int y, int cx, int cy,
                              std::uint32_t flags) = 0;
    virtual bool ShowWindow(Hwnd window, int command) = 0;
    // Asks the window's thread to show the window, without waiting for it.
    virtual bool ShowWindowAsync(Hwnd window, int command) = 0;
    virtual bool BringWindowToTop(Hwnd window) = 0;
    virtual bool SetForegroundWindow(Hwnd window) = 0;
    // Lets that process take the foreground once, as this one could now.
    virtual bool AllowSetForegroundWindow(std::uint32_t processId) = 0;
    virtual bool AttachThreadInput(std::uint32_t attachThread, std::uint32_t toThread,
                                   bool attach) = 0;
    virtual bool SystemParametersInfoA(std::uint32_t action, std::uint32_t uiParam, void* pvParam,
                                       std::uint32_t winIni) = 0;
    // SystemParametersInfoA(SPI_GETNONCLIENTMETRICS): the fonts the system
    // uses for its own windows.
    // Measured at the system DPI, also for a window on a monitor of another
    // scale.
    virtual bool GetNonClientMetricsA(NonClientMetrics& metrics) = 0;
    // SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS) of Windows 10
    // (1607): the same fonts measured at dpi. False where the system lacks it.
    virtual bool GetNonClientMetricsForDpi(NonClientMetrics& metrics, std::uint32_t dpi) = 0;
    // Not every user32 has SetLayeredWindowAttributes: the caller looks it up
    // with GetProcAddress and passes that address, through which the call
    // goes. False for a null address.
    virtual bool SetLayeredWindowAttributes(FarProc entry, Hwnd window, std::uint32_t colorKey,
                                            std::uint8_t alpha, std::uint32_t flags) = 0;

    // Window events. Not every user32 has SetWinEventHook and UnhookWinEvent
    // (Windows 95 and NT 4.0 lack them): the caller passes the addresses it
    // looked up, 0 fails. Out of context, the events reach proc through the
    // message loop of the thread that set the hook, never during Sleep.
    virtual HWinEventHook SetWinEventHook(FarProc entry, std::uint32_t eventMin,
                                          std::uint32_t eventMax, WinEventProc proc,
                                          std::uint32_t processId, std::uint32_t threadId,
                                          std::uint32_t flags) = 0;
    virtual bool UnhookWinEvent(FarProc entry, HWinEventHook hook) = 0;

    // Monitors. EnumDisplayMonitors visits them in the system's order.
    virtual HMonitor MonitorFromWindow(Hwnd window, std::uint32_t flags) = 0;
    virtual bool GetMonitorInfoA(HMonitor monitor, MonitorInfo& info) = 0;
    virtual bool EnumDisplayMonitors(const std::function<bool(HMonitor)>& proc) = 0;

    // Messages.
    virtual std::intptr_t SendMessageA(Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                                       std::intptr_t lParam) = 0;
    virtual bool PostMessageA(Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                              std::intptr_t lParam) = 0;
    // SendMessage that gives up after timeoutMs, or at once for a window the
    // system reports hung (smto::ABORTIFHUNG); 0 when it gave up or failed.
    // The W form passes texts of system messages (WM_SETTEXT) as UTF-16.
    virtual std::intptr_t SendMessageTimeoutA(Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                                              std::intptr_t lParam, std::uint32_t flags,
                                              std::uint32_t timeoutMs, std::uintptr_t* result) = 0;
    virtual std::intptr_t SendMessageTimeoutW(Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                                              std::intptr_t lParam, std::uint32_t flags,
                                              std::uint32_t timeoutMs, std::uintptr_t* result) = 0;
    // Sends without waiting: the window's thread answers when it next reads
    // its queue, and callback runs on this thread as it reads its own queue
    // (at once, for a window of this thread). False when nothing was sent.
    virtual bool SendMessageCallbackW(Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                                      std::intptr_t lParam, SendAsyncProc callback) = 0;
    // Sends without waiting for the answer (SendNotifyMessage): to a window
    // of another thread it is still a send, handled ahead of the posted
    // messages whenever that thread reads its queue or waits in a send of
    // its own; to one of this thread, the procedure runs at once.
    virtual bool SendNotifyMessageW(Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                                    std::intptr_t lParam) = 0;
    virtual std::uint32_t RegisterWindowMessageA(const char* name) = 0;
    // A modal message box; type holds the mb:: flags. Returns the id_:: of
    // the button pressed, 0 when the box could not be shown.
    virtual int MessageBoxA(Hwnd owner, const char* text, const char* caption,
                            std::uint32_t type) = 0;
    virtual int MessageBoxW(Hwnd owner, const char16_t* text, const char16_t* caption,
                            std::uint32_t type) = 0;

    // The program's own windows. The backend registers the class on first
    // use and routes every message of the window to proc; a message proc
    // declines gets the default handling (DefWindowProc). They are Unicode
    // windows, so a text set with SetWindowTextW keeps every character.
    // Both are CreateWindowExA.
    virtual Hwnd CreateProgramWindow(ProgramWindowSpec spec) = 0;
    // A control of a system class (Button, Edit, Static, ListBox,
    // msctls_trackbar32, msctls_updown32). It keeps its own state; its
    // notifications (WM_COMMAND, WM_NOTIFY, WM_VSCROLL) go to the parent's
    // procedure.
    virtual Hwnd CreateControl(const ControlSpec& spec) = 0;
    virtual bool DestroyWindow(Hwnd window) = 0;
    virtual bool SetTimer(Hwnd window, std::uintptr_t id, std::uint32_t elapseMs) = 0;
    virtual bool KillTimer(Hwnd window, std::uintptr_t id) = 0;

    // Controls and the keyboard focus. EnableWindow answers whether the
    // window was disabled before.
    virtual bool EnableWindow(Hwnd window, bool enable) = 0;
    virtual Hwnd SetFocus(Hwnd window) = 0;
    virtual Hwnd GetFocus() = 0;
    // The next (or previous) visible, enabled control with WS_TABSTOP after
    // control among dialog's children, wrapping round; 0 when there is none.
    virtual Hwnd GetNextDlgTabItem(Hwnd dialog, Hwnd control, bool previous) = 0;
    virtual Hwnd GetDlgItem(Hwnd dialog, int controlId) = 0;
    virtual int GetDlgCtrlID(Hwnd window) = 0;
    // Registers the common controls' window classes (comctl32).
    virtual bool InitCommonControlsEx(std::uint32_t classes) = 0;
    // Whether visual styles are in use for the program (uxtheme).
    virtual bool IsAppThemed() = 0;
    // Repaints the window, with RDW_ALLCHILDREN its children too.
    virtual bool RedrawWindow(Hwnd window, std::uint32_t flags) = 0;

    // Fonts, colours and brushes (gdi32). System colour brushes belong to
    // the system and are never deleted.
    virtual HFont CreateFontIndirectA(const LogFontA& font) = 0;
    virtual bool DeleteObject(HGdiObj object) = 0;
    virtual ColorRef GetSysColor(int index) = 0;
    virtual HBrush GetSysColorBrush(int index) = 0;
    virtual ColorRef SetTextColor(Hdc dc, ColorRef color) = 0;
    virtual ColorRef SetBkColor(Hdc dc, ColorRef color) = 0;
    // Measuring text: a window's device context, the font selected into it
    // (the previous one is returned) and the extent of ANSI text in it.
    virtual Hdc GetDC(Hwnd window) = 0;
    virtual int ReleaseDC(Hwnd window, Hdc dc) = 0;
    virtual HGdiObj SelectObject(Hdc dc, HGdiObj object) = 0;
    virtual bool GetTextExtentPoint32A(Hdc dc, const char* text, int length, Size& size) = 0;

    // The common file-open dialog (comdlg32), modal to its owner. False
    // when the user cancels; then the file buffer is unchanged.
    virtual bool GetOpenFileNameA(OpenFileNameA& dialog) = 0;

    // Icons. LoadImageA loads an image resource of the program's own module.
    virtual HIcon LoadImageA(int resourceId, std::uint32_t type, int cx, int cy,
                             std::uint32_t flags) = 0;
    virtual HIcon CopyIcon(HIcon icon) = 0;
    virtual bool DestroyIcon(HIcon icon) = 0;

    // Popup menus. With TPM_RETURNCMD, TrackPopupMenu returns the chosen
    // item's id (0 when nothing was chosen) instead of sending WM_COMMAND.
    virtual HMenu CreatePopupMenu() = 0;
    virtual bool AppendMenuA(HMenu menu, std::uint32_t flags, std::uintptr_t id,
                             const char* text) = 0;
    virtual bool AppendMenuW(HMenu menu, std::uint32_t flags, std::uintptr_t id,
                             const char16_t* text) = 0;
    virtual int TrackPopupMenu(HMenu menu, std::uint32_t flags, int x, int y, Hwnd owner) = 0;
    virtual bool DestroyMenu(HMenu menu) = 0;

    // The message loop of the program's one thread. A message for a window
    // inside a program window with WS_EX_CONTROLPARENT first goes through
    // IsDialogMessageA for that window: Tab and the arrows walk its
    // controls, Enter and Esc send it WM_COMMAND with IDOK and IDCANCEL,
    // Alt with a caption's underlined letter presses or focuses that control.
    virtual void PostQuitMessage(int exitCode) = 0;
    // Dispatches messages until WM_QUIT; returns its exit code.
    virtual int RunMessageLoop() = 0;
    // Dispatches every message already waiting, then returns.
    virtual void ProcessMessages() = 0;
};

} // namespace vm
