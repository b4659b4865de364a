#include "window_info/window_helpers.h"

#include <array>

#include "encoding/text.h"
#include "platform/constants.h"

namespace vm {

namespace {

// An ANSI text call into a 261-byte buffer, taken up to its first NUL.
template <typename Call>
std::string ReadAnsiText(Call call) {
    std::array<char, kTextBufferSize + 1> buffer{};
    call(buffer.data(), kTextBufferSize);
    buffer.back() = '\0';
    return std::string(buffer.data());
}

std::string FileNamePart(const std::string& path) {
    // The last backslash or colon ends the folder; a trail byte that looks
    // like a backslash belongs to its character.
    std::size_t start = 0;
    for (std::size_t i = 0; i < path.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(path[i]);
        if (IsLeadByte(c)) {
            ++i;
            continue;
        }
        if (c == '\\' || c == ':')
            start = i + 1;
    }
    return path.substr(start);
}

} // namespace

std::string CleanWindowText(std::string_view text) {
    std::string result = CutAtNul(text);
    while (!result.empty() && static_cast<unsigned char>(result.back()) <= 32)
        result.pop_back();
    return result;
}

WindowIdentity GetWindowIdentity(Platform& p, Hwnd window) {
    ProcessExeNames names(p.os);
    return GetWindowIdentity(p, window, names);
}

WindowIdentity GetWindowIdentity(Platform& p, Hwnd window, ProcessExeNames& names) {
    WindowIdentity identity;
    if (window == 0 || !p.win.IsWindowVisible(window) || p.win.GetWindowTextLengthA(window) <= 0) {
        return identity;
    }
    identity.Title = CleanWindowText(
        ReadAnsiText([&](char* b, int n) { return p.win.GetWindowTextA(window, b, n); }));
    identity.ClassName = CleanWindowText(
        ReadAnsiText([&](char* b, int n) { return p.win.GetClassNameA(window, b, n); }));
    identity.ExeName = AsciiUpper(FileNamePart(GetWindowExeFile(p, window, names)));
    return identity;
}

std::string GetWindowExeFile(Platform& p, Hwnd window) {
    ProcessExeNames names(p.os);
    return GetWindowExeFile(p, window, names);
}

std::string GetWindowExeFile(Platform& p, Hwnd window, ProcessExeNames& names) {
    std::uint32_t pid = 0;
    p.win.GetWindowThreadProcessId(window, &pid);
    return names.ExeFileOf(pid);
}

bool IsUserWindow(IWindowSystem& win, Hwnd window) {
    const std::string title =
        ReadAnsiText([&](char* b, int n) { return win.GetWindowTextA(window, b, n); });
    if (window == 0)
        return false;
    if (title == "Program Manager")
        return false;
    if (!win.IsWindowVisible(window))
        return false;
    if (win.GetWindowTextLengthA(window) <= 0)
        return false;
    return !win.IsIconic(window);
}

bool HasNoFrameStyle(IWindowSystem& win, Hwnd window) {
    const auto style = static_cast<std::uint32_t>(win.GetWindowLongA(window, gwl::STYLE));
    return (style & 0x00FFFFFFu) == 0;
}

bool IsTopmostWindow(IWindowSystem& win, Hwnd window) {
    const auto exStyle = static_cast<std::uint32_t>(win.GetWindowLongA(window, gwl::EXSTYLE));
    return (exStyle & ws_ex::TOPMOST) != 0;
}

bool TryGetWindowRect(IWindowSystem& win, Hwnd window, Rect& rect) {
    const bool ok = win.GetWindowRect(window, rect);
    if (rect.left == kParkedCoordinate && rect.top == kParkedCoordinate)
        return false;
    return ok;
}

bool GetWindowBounds(IWindowSystem& win, Hwnd window, WindowBounds& bounds) {
    Rect r;
    const bool ok = win.GetWindowRect(window, r);
    if (r.left == kParkedCoordinate && r.top == kParkedCoordinate)
        return false;
    bounds.left = r.left;
    bounds.top = r.top;
    bounds.width = r.Width();
    bounds.height = r.Height();
    return ok;
}

int MonitorIndexOfWindow(IWindowSystem& win, const DisplayMonitors& monitors, Hwnd window) {
    int result = 0;
    for (std::size_t i = 0; i < monitors.Count(); ++i) {
        if (win.MonitorFromWindow(window, monitor::DEFAULTTONEAREST) == monitors.At(i)) {
            result = static_cast<int>(i);
        }
    }
    return result;
}

void PlaceWindowOnMonitor(IWindowSystem& win, const DisplayMonitors& monitors, Hwnd window,
                          Placement placement, int index) {
    WindowBounds b;
    if (!GetWindowBounds(win, window, b))
        return;
    const std::optional<Rect> work = monitors.WorkArea(win, index);
    if (!work)
        return;
    const Rect& w = *work;
    std::int32_t left = w.left;
    std::int32_t top = w.top;
    if (placement == Placement::Centre) {
        left = HalveTowardZero(std::int64_t{w.left} + w.right - b.width);
        top = HalveTowardZero(std::int64_t{w.top} + w.bottom - b.height);
    }
    if (win.GetSystemMetrics(sm::CYCAPTION) < b.width &&
        win.GetSystemMetrics(sm::CYCAPTION) < b.height) {
        win.MoveWindow(window, left, top, b.width, b.height, true);
    }
}

void MoveWindowToMonitor(IWindowSystem& win, const DisplayMonitors& monitors, Hwnd window,
                         int index) {
    if (MonitorIndexOfWindow(win, monitors, window) != index) {
        PlaceWindowOnMonitor(win, monitors, window, Placement::TopLeft, index);
    }
}

namespace {

// Windows 98/2000 and later refuse SetForegroundWindow from a background
// program unless it shares the foreground thread's input.
bool HasForegroundLock(const OsVersionInfo& v) {
    if (v.dwPlatformId == ver_platform::WIN32_NT)
        return v.dwMajorVersion > 4;
    if (v.dwPlatformId == ver_platform::WIN32_WINDOWS) {
        return v.dwMajorVersion > 4 || (v.dwMajorVersion == 4 && v.dwMinorVersion > 0);
    }
    return false;
}

} // namespace

bool ForceForegroundWindow(IWindowSystem& win, const OsVersionInfo& version, Hwnd window) {
    if (window == win.GetForegroundWindow())
        return true;
    // Nothing here waits on the window's thread, which may not answer: the
    // raise is posted to that thread (done before any input is shared, as
    // a shared queue would make it wait), SetForegroundWindow only queues
    // the activation, and the lock time-out changes without the broadcast
    // that would wait on every top-level window.
    RaiseWithoutWaiting(win, window);
    if (HasForegroundLock(version)) {
        const std::uint32_t fgThread =
            win.GetWindowThreadProcessId(win.GetForegroundWindow(), nullptr);
        const std::uint32_t targetThread = win.GetWindowThreadProcessId(window, nullptr);
        bool done = false;
        if (win.AttachThreadInput(targetThread, fgThread, true)) {
            win.SetForegroundWindow(window);
            win.AttachThreadInput(targetThread, fgThread, false);
            done = win.GetForegroundWindow() == window;
        }
        if (!done) {
            std::uint32_t saved = 0;
            win.SystemParametersInfoA(spi::GETFOREGROUNDLOCKTIMEOUT, 0, &saved, 0);
            win.SystemParametersInfoA(spi::SETFOREGROUNDLOCKTIMEOUT, 0, nullptr, 0);
            win.SetForegroundWindow(window);
            win.SystemParametersInfoA(spi::SETFOREGROUNDLOCKTIMEOUT, 0,
                                      reinterpret_cast<void*>(static_cast<std::uintptr_t>(saved)),
                                      0);
        }
    } else {
        win.SetForegroundWindow(window);
    }
    return win.GetForegroundWindow() == window;
}

bool RaiseWithoutWaiting(IWindowSystem& win, Hwnd window) {
    return win.SetWindowPos(window, hwnd_pos::TOP, 0, 0, 0, 0,
                            swp::NOMOVE | swp::NOSIZE | swp::ASYNCWINDOWPOS);
}

void PlaySoundFile(Platform& p, const std::string& path) {
    if (p.os.FileExists(path))
        p.os.sndPlaySoundA(path.c_str(), snd::ASYNC | snd::NODEFAULT);
}

HIcon GetFileIcon(Platform& p, const std::string& path) {
    ShFileInfo info;
    p.shell.SHGetFileInfoA(path.c_str(), 0, info, shgfi::ICON);
    return info.hIcon;
}

void SetToolWindowStyle(IWindowSystem& win, Hwnd window) {
    const std::int32_t exStyle = win.GetWindowLongA(window, gwl::EXSTYLE);
    win.SetWindowLongA(
        window, gwl::EXSTYLE,
        static_cast<std::int32_t>(static_cast<std::uint32_t>(exStyle) | ws_ex::TOOLWINDOW));
}

int TextWidthInWindowFont(IWindowSystem& win, Hwnd window, const std::string& text) {
    const Hdc dc = win.GetDC(window);
    if (dc == 0)
        return 0;
    const auto font = static_cast<HGdiObj>(win.SendMessageA(window, wm::GETFONT, 0, 0));
    const HGdiObj previous = font != 0 ? win.SelectObject(dc, font) : 0;
    Size size;
    const bool measured =
        win.GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), size);
    if (previous != 0)
        win.SelectObject(dc, previous);
    win.ReleaseDC(window, dc);
    return measured ? size.cx : 0;
}

void SetAppButtonVisible(IWindowSystem& win, Hwnd appWindow, bool visible) {
    win.ShowWindow(appWindow, sw::HIDE);
    auto exStyle = static_cast<std::uint32_t>(win.GetWindowLongA(appWindow, gwl::EXSTYLE));
    exStyle = visible ? (exStyle & ~ws_ex::TOOLWINDOW) : (exStyle | ws_ex::TOOLWINDOW);
    win.SetWindowLongA(appWindow, gwl::EXSTYLE, static_cast<std::int32_t>(exStyle));
    win.ShowWindow(appWindow, sw::SHOW);
}

} // namespace vm
