// The window manager of the simulated desktop: the windows and their
// z-order, showing, moving and destroying them, their procedures, the
// keyboard focus and the foreground window with its lock. It reaches the
// other parts through the references it is given: the display for maximized
// places and DPI, the scheduler for a window's timers, the shell objects for
// the taskbar, window events for the hooks, and the processes' threads and
// DPI awareness.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/types.h"
#include "sim_desktop/display.h"
#include "sim_desktop/scheduler.h"
#include "sim_desktop/shell_objects.h"
#include "sim_desktop/sim_records.h"
#include "sim_desktop/sim_window.h"
#include "sim_desktop/win_events.h"

namespace vm::sim {

class SimWindowManager {
public:
    // What the window manager asks about the processes: the thread of one
    // (0: none) and its DPI awareness (nothing: no such process).
    struct Processes {
        std::function<std::uint32_t(std::uint32_t pid)> threadOf;
        std::function<std::optional<DpiAwareness>(std::uint32_t pid)> dpiAwareness;
    };
    // The procedure of the standard controls, for a child window of a
    // system class.
    using ControlProc = std::function<std::intptr_t(SimWindow& control, std::uint32_t msg,
                                                    std::uintptr_t wParam, std::intptr_t lParam)>;

    SimWindowManager(SimDisplay& display, SimScheduler& scheduler, SimShellObjects& shellObjects,
                     SimWinEvents& winEvents, Processes processes, ControlProc controlProc);

    SimWindow* find(Hwnd window);
    const SimWindow* find(Hwnd window) const;
    // Throws std::out_of_range for a window that does not exist.
    SimWindow& window(Hwnd window);
    bool exists(Hwnd window) const { return windows_.count(window) != 0; }
    // Top-level windows, top of the z-order first.
    std::vector<Hwnd> zOrder() const { return {zOrder_.rbegin(), zOrder_.rend()}; }
    // The desktop window, with its own handle, in no z-order.
    void addDesktopWindow(std::unique_ptr<SimWindow> desktop);
    // A new window gets its handle and goes on top of the z-order (a child:
    // after its parent's earlier children); hooks hear of it.
    SimWindow& insert(std::unique_ptr<SimWindow> window);
    void raise(Hwnd window);
    void lower(Hwnd window);
    void placeBelow(Hwnd window, Hwnd above);
    // EnumWindows: the handles are taken first.
    bool enumWindows(const std::function<bool(Hwnd)>& proc);

    // Returns whether the window was visible before; false for a command
    // it does not know.
    bool show(SimWindow& window, int command);
    void maximize(SimWindow& window);
    void minimize(SimWindow& window);
    void move(SimWindow& window, Rect rect);
    // Destroys the window and, first, the windows it owns; with notify,
    // each hears WM_DESTROY.
    void destroyWithOwned(Hwnd window, bool notify);
    // Removes the window and its children without messages.
    void remove(Hwnd window);

    std::intptr_t callProc(Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                           std::intptr_t lParam);
    // The screen rectangle of any window, children included.
    Rect screenRect(const SimWindow& window) const;
    // Visible and enabled, with every ancestor.
    bool reachable(const SimWindow& window) const;
    Hwnd focus() const { return focus_; }
    void setFocus(Hwnd window);

    // The foreground: the user activates a window (0: none), which raises
    // it and clears every process's right to take it; a program asks for it.
    Hwnd foreground() const { return foreground_; }
    void setForeground(Hwnd window);
    bool setForegroundFrom(std::uint32_t pid, Hwnd window);
    void setForegroundLock(bool on) { foregroundLock_ = on; }
    // The user started this process: it may take the foreground, and pass
    // that right on with AllowSetForegroundWindow, until the user activates
    // a window.
    void grantForegroundRight(std::uint32_t pid) { foregroundRights_.insert(pid); }
    // AllowSetForegroundWindow of pid for processId (an existing process).
    bool passForegroundRight(std::uint32_t pid, std::uint32_t processId);
    std::uint32_t lockTimeout() const { return lockTimeout_; }
    // SPI_SETFOREGROUNDLOCKTIMEOUT: refused to a process that could not
    // take the foreground itself.
    bool setLockTimeoutFrom(std::uint32_t pid, std::uint32_t ms);
    void setAttachFails(bool on) { attachFails_ = on; }
    // AttachThreadInput between two existing threads.
    bool attachThreadInput(std::uint32_t attachThread, std::uint32_t toThread, bool attach);
    void releaseThread(std::uint32_t thread);

    // Windows on the monitors.
    HMonitor monitorFromWindow(Hwnd window, std::uint32_t flags) const;
    // The DPI the window's program sees it at.
    std::uint32_t dpiFor(const SimWindow& window) const;
    // What a process sees as the system's DPI: 96 when it is not DPI aware.
    std::uint32_t systemDpiOf(std::uint32_t pid) const;
    void announceDisplayChange();
    // After a change of scale: a per-monitor program's top-level window now
    // on a monitor of another DPI gets WM_DPICHANGED.
    void followDpi(SimWindow& window);

    // Today's shell. The compositor hides a visible window or shows it
    // again; hooks hear EVENT_OBJECT_CLOAKED or EVENT_OBJECT_UNCLOAKED.
    // DwmGetWindowAttribute answers DWMWA_CLOAKED from Windows 8 (6.2) on
    // and refuses it before.
    void setCloaked(Hwnd window, bool on);
    // The user starts dragging or sizing the window: its thread is in a
    // move or size loop (GetGUIThreadInfo) until the drag ends; hooks hear
    // EVENT_SYSTEM_MOVESIZESTART and EVENT_SYSTEM_MOVESIZEEND.
    void beginMoveSize(Hwnd window);
    void endMoveSize(Hwnd window);
    // The window the thread drags or sizes; 0 when none.
    Hwnd moveSizeWindow(std::uint32_t thread) const;

private:
    void restore(SimWindow& window, bool toMaximized);
    // Where maximizing puts the window: its monitor's work area, overhung
    // on every side by the frame and its padding at the window's scale.
    Rect maximizedRect(const SimWindow& window) const;
    // After the foreground window went away, the next window in z-order
    // that can be active takes its place.
    void activateNext(Hwnd leaving);
    // Whether pid may move the foreground (to window, when given).
    bool mayTakeForeground(std::uint32_t pid, Hwnd window) const;
    bool attached(std::uint32_t a, std::uint32_t b) const;
    // DefWindowProc for a message the window's procedure declined.
    std::intptr_t defaultProc(Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                              std::intptr_t lParam);
    std::intptr_t systemCommand(SimWindow& target, std::uintptr_t command);
    // Moves the foreground, with the messages Windows sends: the window
    // left and its program hear they lost it, then the new one and its
    // program hear they have it.
    void changeForeground(Hwnd window);
    // A message of the foreground change: at once to a thread that takes
    // sends, else when it reads its queue again.
    void notifyActivation(Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                          std::intptr_t lParam);
    void raiseWinEvent(std::uint32_t event, const SimWindow& window);

    SimDisplay& display_;
    SimScheduler& scheduler_;
    SimShellObjects& shellObjects_;
    SimWinEvents& winEvents_;
    Processes processes_;
    ControlProc controlProc_;

    std::unordered_map<Hwnd, std::unique_ptr<SimWindow>> windows_;
    std::vector<Hwnd> zOrder_; // bottom first, so a new window is appended
    std::uintptr_t nextHwnd_ = 0x10020;
    // Windows destroyed while a window procedure runs live on until it
    // returns, as that procedure may be their own.
    std::vector<std::unique_ptr<SimWindow>> graveyard_;
    int procDepth_ = 0;
    std::deque<std::vector<Hwnd>> enumLists_; // one per nesting level of EnumWindows
    std::size_t enumDepth_ = 0;
    std::vector<Hwnd> destroying_;

    Hwnd foreground_ = 0;
    Hwnd focus_ = 0;
    std::map<std::uint32_t, Hwnd> moveSize_; // by thread: the window it drags
    bool foregroundLock_ = true;
    std::set<std::uint32_t> foregroundRights_;
    bool attachFails_ = false;
    std::uint32_t lockTimeout_ = 200000;
    std::set<std::pair<std::uint32_t, std::uint32_t>> attachments_; // (smaller, larger) thread
};

} // namespace vm::sim
