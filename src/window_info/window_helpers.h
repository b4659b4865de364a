// The program's routines round window, process, monitor and foreground
// queries. They keep no state and report no errors: a failing call gives a
// neutral answer (empty text, false, index 0, no move).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/platform.h"
#include "window_info/display_monitors.h"
#include "window_info/process_exe_names.h"
#include "window_info/window_identity.h"

namespace vm {

// Text buffers of the ANSI calls hold 260 characters.
inline constexpr int kTextBufferSize = 260;

// CutAtNul, then every trailing character of code 32 or less removed.
std::string CleanWindowText(std::string_view text);

// With a snapshot of its own, or with the names of the pass's snapshot.
WindowIdentity GetWindowIdentity(Platform& p, Hwnd window);
WindowIdentity GetWindowIdentity(Platform& p, Hwnd window, ProcessExeNames& names);
// The executable of the window's process as the process snapshot names it.
std::string GetWindowExeFile(Platform& p, Hwnd window);
std::string GetWindowExeFile(Platform& p, Hwnd window, ProcessExeNames& names);
// Visible, titled (not "Program Manager") and not minimized.
bool IsUserWindow(IWindowSystem& win, Hwnd window);
bool HasNoFrameStyle(IWindowSystem& win, Hwnd window);
bool IsTopmostWindow(IWindowSystem& win, Hwnd window);
// False for a window parked at (-32000, -32000); the rectangle is written
// in every case.
bool TryGetWindowRect(IWindowSystem& win, Hwnd window, Rect& rect);

struct WindowBounds {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool operator==(const WindowBounds&) const = default;
};
// False, with nothing written, for a parked window; otherwise writes the
// bounds and returns whether GetWindowRect succeeded.
bool GetWindowBounds(IWindowSystem& win, Hwnd window, WindowBounds& bounds);

int MonitorIndexOfWindow(IWindowSystem& win, const DisplayMonitors& monitors, Hwnd window);

enum class Placement { TopLeft, Centre };
void PlaceWindowOnMonitor(IWindowSystem& win, const DisplayMonitors& monitors, Hwnd window,
                          Placement placement, int index);
void MoveWindowToMonitor(IWindowSystem& win, const DisplayMonitors& monitors, Hwnd window,
                         int index);

// Brings the window into the foreground past the system's foreground lock;
// true when it is the foreground window afterwards. Never waits on the
// window's thread.
bool ForceForegroundWindow(IWindowSystem& win, const OsVersionInfo& version, Hwnd window);
// Puts the window on top of the z-order (activating it, as BringWindowToTop
// does); a window of another thread takes the request when that thread
// next reads its queue, and the caller does not wait for it.
bool RaiseWithoutWaiting(IWindowSystem& win, Hwnd window);

void PlaySoundFile(Platform& p, const std::string& path);
// The file's shell icon at the large size, owned by the caller; 0 when the
// shell has none for it.
HIcon GetFileIcon(Platform& p, const std::string& path);
void SetToolWindowStyle(IWindowSystem& win, Hwnd window);
void SetAppButtonVisible(IWindowSystem& win, Hwnd appWindow, bool visible);
// The pixel width of a line of ANSI text in the window's own font; 0 when it
// cannot be measured.
int TextWidthInWindowFont(IWindowSystem& win, Hwnd window, const std::string& text);

// Signed division truncating toward zero (what C++ does), named for the
// places where the halving rule matters.
inline std::int32_t HalveTowardZero(std::int64_t value) {
    return static_cast<std::int32_t>(value / 2);
}

} // namespace vm
