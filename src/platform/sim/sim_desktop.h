// The simulated desktop: a small window manager with processes, monitors,
// the shell's taskbar, kernel objects, files and a virtual clock. Every
// native test and benchmark runs the program on it. Each process sees the
// desktop through its own Platform, as a program sees Windows.
//
// Windows habits kept here that a test may meet:
// - ShowWindow answers whether the window was visible before.
// - SW_RESTORE brings a window minimized from maximized back maximized;
//   SW_SHOWNORMAL always to its restored rectangle.
// - Hiding, minimizing or destroying the foreground window hands the
//   foreground to the next visible, enabled, not minimized window in z-order.
// - Only the owning process may destroy its window or set its timers; a
//   timer interval is at least 10 ms.
// - The z-order has no separate band for topmost windows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/constants.h"
#include "platform/platform.h"
#include "platform/sim/call_log.h"
#include "platform/sim/kernel_objects.h"
#include "platform/sim/sim_files.h"
#include "platform/sim/sim_records.h"
#include "platform/sim/sim_registry.h"
#include "platform/sim/sim_shell_link.h"
#include "platform/sim/sim_window.h"
#include "platform/types.h"

namespace vm::sim {

class SimWindowSystem;
class SimShell;
class SimOperatingSystem;

class SimDesktop {
public:
    // The stock font a new device context starts with.
    static constexpr HGdiObj kSystemFont{0x1000};

    // No monitors, windows or processes; the clock at 0.
    SimDesktop();
    ~SimDesktop();
    SimDesktop(const SimDesktop&) = delete;
    SimDesktop& operator=(const SimDesktop&) = delete;

    // Monitors: the first is the primary one; EnumDisplayMonitors keeps
    // the order of adding. Each has its DPI; the primary's is the system's.
    // Adding, changing or removing one sends WM_DISPLAYCHANGE to every
    // program's top-level windows.
    HMonitor addMonitor(Rect monitor, Rect work, std::uint32_t dpi = kDesignDpi);
    // The user changed the monitor's scale: the windows of per-monitor
    // programs on it get WM_DPICHANGED.
    void setMonitorDpi(HMonitor handle, std::uint32_t dpi);
    // Every process is per-monitor aware, as its manifest asks, unless set.
    void setDpiAwareness(std::uint32_t pid, DpiAwareness awareness);
    void setMonitor(HMonitor handle, Rect monitor, Rect work);
    // A display unplugged; the primary one stays.
    void removeMonitor(HMonitor handle);

    // A process with one thread; returns its id, never 0.
    std::uint32_t addProcess(std::string exePath);
    // The platform as that process sees it; valid as long as the desktop.
    Platform platformFor(std::uint32_t pid);
    // Closes its handles and destroys its windows, without messages.
    void endProcess(std::uint32_t pid);
    std::uint32_t threadOf(std::uint32_t pid) const;
    // The exit code the process gave PostQuitMessage; -1 before.
    int exitCodeOf(std::uint32_t pid) const;

    // A window of another program, on top of the z-order (or, for a child,
    // below its parent's earlier children).
    Hwnd addWindow(const WindowSpec& spec);
    // "Shell_TrayWnd" of "C:\\WINDOWS\\explorer.exe". Once the program has
    // registered "TaskbarCreated", adding the taskbar posts that message
    // to every window the programs created, as the shell does on start.
    Hwnd addTaskbar(const TaskbarSpec& spec = {});
    // Moves or redocks the taskbar (window and appbar answers); adds it
    // when there is none.
    void setTaskbar(const TaskbarSpec& spec);
    // The appbar rectangle alone, as when an auto-hidden bar slid away.
    void setAppBarRect(Rect rect);
    // A taskbar of another monitor ("Shell_SecondaryTrayWnd" of the
    // shell); moved with moveWindow, gone with destroyWindow.
    Hwnd addSecondaryTaskbar(Rect rect);
    Hwnd taskbar() const { return taskbar_; }
    // "Progman" titled "Program Manager" over the primary monitor, at the
    // bottom of the z-order.
    Hwnd addProgramManager();
    void destroyWindow(Hwnd window);

    // Another program acting on a window, as ShowWindow / MoveWindow /
    // BringWindowToTop would.
    void showWindow(Hwnd window, int command);
    void moveWindow(Hwnd window, Rect rect);
    void bringToTop(Hwnd window);

    // The user activates a window (0: none); it is raised.
    void setForeground(Hwnd window);
    Hwnd foreground() const { return foreground_; }
    void setForegroundLock(bool on) { foregroundLock_ = on; }
    // The user started this process: it may take the foreground, and pass
    // that right on with AllowSetForegroundWindow, until the user activates
    // a window.
    void grantForegroundRight(std::uint32_t pid) { foregroundRights_.insert(pid); }
    std::uint32_t foregroundLockTimeout() const { return lockTimeout_; }
    void setAttachThreadInputFails(bool on) { attachFails_ = on; }

    void setCursorPos(Point point) { cursor_ = point; }
    void setCursorFails(bool on) { cursorFails_ = on; }
    void setVersion(const OsVersionInfo& version) { version_ = version; }
    void setVersionFails(bool on) { versionFails_ = on; }
    void setUserName(std::string name) { userName_ = std::move(name); }
    // The user's interface language and the language of the user's locale
    // (LANGIDs); Japanese unless set.
    void setUserLanguages(std::uint16_t uiLanguage, std::uint16_t langId) {
        uiLanguage_ = uiLanguage;
        langId_ = langId;
    }
    // The system's message font at 96 DPI. SPI_GETNONCLIENTMETRICS gives it
    // at the system DPI (the primary monitor's), SystemParametersInfoForDpi
    // at any; a system before Windows 10 (1607) lacks the latter.
    void setMessageFont(const LogFontA& font) { messageFont_ = font; }
    void setPerDpiMetrics(bool available) { perDpiMetrics_ = available; }
    // A message box shows: the user does this while it is open (it runs
    // inside the box's modal loop), then answers it.
    void whileNextMessageBox(std::function<void()> action) {
        messageBoxActions_.push_back(std::move(action));
    }
    void setUserNameFails(bool on) { userNameFails_ = on; }
    void setSnapshotUnavailable(bool on) { snapshotUnavailable_ = on; }
    // The process's thread stops answering messages (or answers again). A
    // call that would wait for a thread that does not answer (SendMessageA,
    // SetWindowText, MoveWindow, SetWindowPos and ShowWindow on another
    // process's window) would wait for ever: it is counted here and has no
    // effect. The same holds while a process sleeps.
    void setHung(std::uint32_t pid, bool on);
    // The process's thread is busy for ms from now (what it does meanwhile
    // are scene events): it reads no messages, then reads its queue. An
    // asynchronous move, show or SendMessageCallback sent to it meanwhile is
    // carried out only then, after what the program did first.
    void setBusy(std::uint32_t pid, std::uint32_t ms);
    std::size_t frozenCalls() const { return frozenCalls_; }
    std::size_t snapshotCount() const { return snapshotCount_; }
    // Window events. Every window made and every window shown is reported to
    // the hooks that ask for it, through their process's message queue;
    // creation-only mode reports only creation, as Wine 8 does across
    // processes (before the window is shown).
    void setWinEventsCreationOnly(bool on) { winEventsCreationOnly_ = on; }
    // Hooks the process has set and not removed.
    std::size_t winEventHookCount(std::uint32_t pid) const;
    // Libraries: "user32.dll" exports "SetLayeredWindowAttributes",
    // "SetWinEventHook", "UnhookWinEvent" and "GetSystemMetricsForDpi",
    // "dwmapi.dll" "DwmGetWindowAttribute", until a test removes them, as on
    // older systems.
    void removeExport(const std::string& library, const std::string& name);
    // LoadLibraryA references the process holds and has not freed yet.
    int libraryReferences(std::uint32_t pid) const;
    bool mutexExists(const std::string& name) const { return kernel_.mutexExists(name); }

    // Today's shell (sim_window_state.cpp). The compositor hides a visible
    // window or shows it again; hooks hear EVENT_OBJECT_CLOAKED or
    // EVENT_OBJECT_UNCLOAKED. DwmGetWindowAttribute answers DWMWA_CLOAKED
    // from Windows 8 (6.2) on and refuses it before.
    void setCloaked(Hwnd window, bool on);
    // The user starts dragging or sizing the window: its thread is in a
    // move or size loop (GetGUIThreadInfo) until the drag ends; hooks hear
    // EVENT_SYSTEM_MOVESIZESTART and EVENT_SYSTEM_MOVESIZEEND.
    void beginMoveSize(Hwnd window);
    void endMoveSize(Hwnd window);

    SimWindow& window(Hwnd window);
    bool exists(Hwnd window) const { return windows_.count(window) != 0; }
    // Top-level windows, top of the z-order first.
    std::vector<Hwnd> zOrder() const;

    // Virtual time. advance runs, in time order, the due scene events and
    // the due timers and posted messages of all processes.
    std::uint64_t now() const { return now_; }
    void advance(std::uint32_t ms);
    // Something another program does at an absolute time.
    void at(std::uint64_t timeMs, std::function<void()> event);
    // Timers the process has set and not killed.
    std::size_t timerCount(std::uint32_t pid) const;

    SimFiles& files() { return files_; }
    SimRegistry& registry() { return registry_; }
    // What GetWindowsDirectoryA answers; "C:\\WINDOWS" unless set.
    void setWindowsDirectory(std::string path) { windowsDirectory_ = std::move(path); }
    // CoCreateInstance of the shell link fails, as without COM.
    void setShellLinkFails(bool on) { shellLinkFails_ = on; }
    // The shortcut a program saved at path, if any.
    std::optional<ShellLinkRecord> shellLink(const std::string& path) const;

    // Message boxes: each is recorded, and answered at once with the next
    // queued answer, or with its default button when none is queued.
    void queueMessageBoxAnswer(int answer) { messageBoxAnswers_.push_back(answer); }
    const std::vector<MessageBoxRecord>& messageBoxes() const { return messageBoxes_; }

    // The user at the controls of a program's window. Each does what the
    // mouse or keyboard would, with the notifications to the parent, and
    // nothing when the control (or its window) is disabled or hidden.
    void click(Hwnd control); // a push button or check box
    void selectListItem(Hwnd listBox, int index);
    void dragTrackBar(Hwnd trackBar, int position);
    void stepUpDown(Hwnd upDown, bool up);
    // Selects all of an edit field's text and types text over it.
    void typeText(Hwnd edit, const std::string& text);
    // A key pressed while focus() has the keyboard focus. In a window with
    // WS_EX_CONTROLPARENT the dialog manager sees it first: Tab, Enter,
    // Esc, and Space on a button.
    void pressKey(std::uint32_t virtualKey);
    Hwnd focus() const { return focus_; }

    // The file-open dialog answers from this queue: a full path, or nothing
    // for a cancelled dialog (also when the queue is empty).
    void answerOpenFileName(std::optional<std::string> path) {
        fileAnswers_.push_back(std::move(path));
    }
    const std::vector<FileDialogRecord>& fileDialogs() const { return fileDialogs_; }
    // Fonts created and not yet deleted.
    std::size_t liveFonts() const { return fonts_.size(); }
    const LogFontA* font(HFont handle) const;
    // The colours a program set on a device context.
    ColorRef textColorOf(Hdc dc) const { return dcText_.count(dc) ? dcText_.at(dc) : 0; }
    ColorRef bkColorOf(Hdc dc) const { return dcBk_.count(dc) ? dcBk_.at(dc) : 0xFFFFFF; }
    int redrawCount(Hwnd window) const { return redraws_.count(window) ? redraws_.at(window) : 0; }
    bool commonControlsReady() const { return commonControls_ != 0; }
    // Visual styles in use for the programs (IsAppThemed); off by default.
    void setThemed(bool on) { themed_ = on; }

    // Icons. The program's module holds the icon resources with these ids
    // (default: those of Velmora.exe); LoadImageA of another id fails.
    void setIconResources(std::set<int> ids) { iconResources_ = std::move(ids); }
    // Icon handles the process holds and has not destroyed.
    std::size_t liveIcons(std::uint32_t pid) const;
    // What a live icon shows: "resource:<id>" (at 32 x 32, else
    // "resource:<id>@<width>") or the file it came from; ""
    // for a handle that is not a live icon.
    std::string iconImage(HIcon icon) const;

    // The notification area of the taskbar, in the order of adding. It
    // answers only while a taskbar exists, and a new taskbar starts empty.
    const std::vector<SimNotifyIcon>& notifyIcons() const { return notifyIcons_; }
    // The user acts on an icon: posts its callback message with the mouse
    // message, as the shell does.
    void clickNotifyIcon(std::size_t index, std::uint32_t mouseMessage);
    // At logon the shell may exist before its notification area takes
    // icons: while this is on, every Shell_NotifyIcon call fails.
    void setNotifyAreaRefuses(bool on) { notifyAreaRefuses_ = on; }
    // Windows 7 and later say where an icon is (Shell_NotifyIconGetRect):
    // 16 x 16 at the taskbar's far end, the first icon rightmost. Off, as
    // on the earlier systems, by default.
    void setNotifyIconRects(bool on) { notifyIconRects_ = on; }
    bool notifyIconRect(Hwnd window, std::uint32_t id, Rect& rect) const;
    // comctl32's DllGetVersion answer.
    void setCommonControlsVersion(std::uint32_t major, std::uint32_t minor) {
        commonControlsVersion_ = {major, minor};
    }

    // Popup menus. The user's choice in the next menus that open, by
    // caption, one per menu; "" or no choice dismisses the menu. A grayed
    // item cannot be chosen.
    void chooseMenuItem(std::string caption) { menuChoices_.push_back(std::move(caption)); }
    const std::vector<SimTrackedMenu>& trackedMenus() const { return trackedMenus_; }
    std::size_t liveMenus(std::uint32_t pid) const;

    const std::vector<CallRecord>& calls() const { return log_.records(); }
    void clearCalls() { log_.clear(); }
    void setCallLog(bool on) { log_.setEnabled(on); }
    std::vector<std::string> callNames(std::uint32_t pid) const;
    // An error escaping a platform call: the next call of the Win32 function
    // of that name, by any program, throws std::runtime_error.
    void failNextCall(std::string name) { failingCall_ = std::move(name); }
    // Another program acting just as the next call of the Win32 function of
    // that name, by any program, begins: two starts racing each other.
    void beforeNextCall(std::string name, std::function<void()> event) {
        interruptedCall_ = std::move(name);
        interruption_ = std::move(event);
    }
    // What the programs wrote with OutputDebugStringA, oldest first; taking
    // it empties it.
    std::vector<std::string> takeDebugOutput() { return std::exchange(debugOutput_, {}); }

private:
    friend class SimWindowSystem;
    friend class SimShell;
    friend class SimOperatingSystem;
    friend class SimShellLink;

    struct Process;
    struct Monitor {
        HMonitor handle;
        Rect monitor;
        Rect work;
        std::uint32_t dpi;
    };
    struct Timer {
        std::uint32_t pid;
        std::uint32_t interval;
        std::uint64_t due;
        std::uint64_t order;
    };
    struct Posted {
        std::uint32_t pid;
        Hwnd window;
        std::uint32_t msg;
        std::uintptr_t wParam;
        std::intptr_t lParam;
        std::uint64_t order;
        // Delivered instead of the message when set (a window event).
        std::function<void()> call{};
    };
    using TimerKey = std::pair<Hwnd, std::uintptr_t>;

    // Processes (sim_desktop.cpp).
    Process* findProcess(std::uint32_t pid) const;
    std::uint32_t defaultPid();
    std::uint32_t explorerPid();
    ProcessList processList();
    template <typename... Args>
    void logCall(std::uint32_t pid, const char* name, const Args&... args) {
        if (!failingCall_.empty() && failingCall_ == name) {
            failingCall_.clear();
            throw std::runtime_error(std::string("simulated failure of ") + name);
        }
        if (!interruptedCall_.empty() && interruptedCall_ == name) {
            interruptedCall_.clear();
            std::exchange(interruption_, nullptr)();
        }
        log_.add(pid, now_, name, args...);
    }

    // Whether the window's thread answers a call from the caller's process;
    // waitsForever counts the frozen call when it does not.
    bool answers(std::uint32_t caller, const SimWindow& target) const;
    bool waitsForever(std::uint32_t caller, const SimWindow& target);
    // An asynchronous request for the thread of target: it runs when that
    // thread next reads its queue, as another thread's request would; at
    // once for the caller's own windows.
    void whenThreadReads(std::uint32_t caller, const SimWindow& target,
                         std::function<void()> request);
    // The thread reads its queue: the requests kept while it did not answer.
    void readQueue(std::uint32_t pid);
    // An elevated program's window refuses changes from any other process.
    static bool deniesAccess(std::uint32_t caller, const SimWindow& target) {
        return target.elevated && target.pid != caller;
    }

    // The window manager (window_manager.cpp).
    SimWindow* find(Hwnd window);
    SimWindow& insertWindow(std::unique_ptr<SimWindow> window);
    void raise(Hwnd window);
    void lower(Hwnd window);
    void placeBelow(Hwnd window, Hwnd above);
    bool enumWindows(const std::function<bool(Hwnd)>& proc);
    // Returns whether the window was visible before; false for a command
    // it does not know.
    bool show(SimWindow& window, int command);
    void restore(SimWindow& window, bool toMaximized);
    void maximize(SimWindow& window);
    void minimize(SimWindow& window);
    void move(SimWindow& window, Rect rect);
    // Where maximizing puts the window: its monitor's work area, overhung
    // on every side by the frame and its padding at the window's scale.
    Rect maximizedRect(const SimWindow& window);
    void destroyWithOwned(Hwnd window, bool notify);
    int answerMessageBox(MessageBoxRecord record);
    void removeWindow(Hwnd window);
    // After the foreground window went away, the next window in z-order
    // that can be active takes its place.
    void activateNext(Hwnd leaving);
    bool mayTakeForeground(std::uint32_t pid, Hwnd window) const;
    bool attached(std::uint32_t a, std::uint32_t b) const;
    std::intptr_t callProc(Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                           std::intptr_t lParam);
    // DefWindowProc for a message the window's procedure declined.
    std::intptr_t defaultProc(Hwnd window, std::uint32_t msg, std::uintptr_t wParam);
    // Visible and enabled, with every ancestor.
    // The screen rectangle of any window, children included.
    Rect screenRect(const SimWindow& window) const;
    bool reachable(const SimWindow& window) const;
    void setFocus(Hwnd window);

    // Standard controls (sim_controls.cpp).
    Hwnd createChild(std::uint32_t pid, std::uint32_t exStyle, const char* className,
                     const char* text, std::uint32_t style, Rect rect, Hwnd parent, int id);
    std::intptr_t controlProc(SimWindow& control, std::uint32_t msg, std::uintptr_t wParam,
                              std::intptr_t lParam);
    void notifyCommand(const SimWindow& control, std::uint32_t code);
    void notifyScroll(const SimWindow& control, std::uint32_t code, int position);
    void setBuddyText(const SimWindow& upDown);
    void readBuddyText(SimWindow& upDown);
    void replaceSelection(SimWindow& edit, const std::string& text);
    // The dialog manager's keyboard walk (sim_user_input.cpp).
    Hwnd dialogOf(Hwnd window) const;
    Hwnd nextTabStop(Hwnd dialog, Hwnd from) const;

    // Icons, menus and the notification area (shell_objects.cpp).
    HIcon createIcon(std::uint32_t pid, std::string image);
    bool notifyIcon(std::uint32_t message, const NotifyIconData& data);
    int trackMenu(std::uint32_t pid, HMenu menu, std::uint32_t flags, Point at, Hwnd owner);
    void releaseProcessObjects(std::uint32_t pid);
    struct SimIcon {
        std::uint32_t pid;
        std::string image;
    };
    struct SimMenu {
        std::uint32_t pid;
        std::vector<SimMenuItem> items;
    };

    // Window events (win_events.cpp).
    struct WinEventHookRecord {
        std::uint32_t pid;
        std::uint32_t eventMin;
        std::uint32_t eventMax;
        WinEventProc proc;
        std::uint32_t processId; // 0: every process
        std::uint32_t flags;
    };
    HWinEventHook setWinEventHook(std::uint32_t pid, WinEventHookRecord record);
    bool unhookWinEvent(std::uint32_t pid, HWinEventHook hook);
    // Posts the event for the window to every hook that asks for it.
    void raiseWinEvent(std::uint32_t event, const SimWindow& window);
    std::map<HWinEventHook, WinEventHookRecord> winEventHooks_;
    std::uintptr_t nextWinEventHook_ = 0x5000;
    bool winEventsCreationOnly_ = false;

    // Monitors and metrics (display.cpp).
    HMonitor monitorFromRect(Rect rect, std::uint32_t flags) const;
    HMonitor monitorFromWindow(Hwnd window, std::uint32_t flags);
    const Monitor* findMonitor(HMonitor handle) const;
    // The DPI of the monitor nearest rect; the DPI the window's program
    // sees it at.
    std::uint32_t monitorDpi(Rect rect) const;
    std::uint32_t dpiFor(const SimWindow& window) const;
    std::uint32_t systemDpiOf(std::uint32_t pid) const;
    LogFontA messageFontAt(std::uint32_t dpi) const;
    // After a move or a change of scale: a per-monitor program's top-level
    // window now on a monitor of another DPI gets WM_DPICHANGED.
    void followDpi(SimWindow& window);
    void announceDisplayChange();
    // The screen size of the primary monitor, the virtual screen (the union
    // of the monitors), CYCAPTION 19, CMONITORS; 0 for the rest. The
    // frame metrics are at the system's DPI: CXFRAME and CYFRAME 4 and,
    // from Vista on, CXPADDEDBORDER 4 at 96 DPI.
    int systemMetric(int index) const;
    // The frame metrics at any DPI (GetSystemMetricsForDpi); the others as
    // systemMetric.
    int systemMetricForDpi(int index, std::uint32_t dpi) const;
    // What a process sees as the system's DPI: 96 when it is not DPI aware.
    std::uint32_t systemDpiFor(std::uint32_t pid) const;
    Rect primaryRect() const;

    // Messages, timers and the clock (scheduler.cpp).
    bool post(std::uint32_t pid, Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
              std::intptr_t lParam);
    // Queues call for the process's thread, as a message its loop delivers.
    bool postCall(std::uint32_t pid, std::function<void()> call);
    void postQuit(std::uint32_t pid, int exitCode);
    bool setTimer(Hwnd window, std::uintptr_t id, std::uint32_t elapseMs);
    // Delivers the oldest message posted to a thread that runs while the
    // caller sleeps; false when there is none.
    bool deliverToRunningThread();
    // Runs the next item due no later than until; false when none is.
    bool runNext(std::uint64_t until);
    void runFirstSceneEvent();
    bool deliverOldestMessage();
    void deliver(const Posted& message);
    void endFinishedLoops();
    int runMessageLoop(std::uint32_t pid);
    void processMessages(std::uint32_t pid);
    void sleep(std::uint32_t ms);
    bool hasWork(const Process& process) const;
    std::uint32_t registerMessage(const std::string& name);

    std::uint64_t now_ = 0;
    std::uint64_t order_ = 0; // sequence of events, timers and messages
    CallLog log_;
    std::string failingCall_;
    std::string interruptedCall_;
    std::function<void()> interruption_;
    std::vector<std::string> debugOutput_;
    SimFiles files_{now_};
    SimRegistry registry_;
    std::string windowsDirectory_ = "C:\\WINDOWS";
    bool shellLinkFails_ = false;
    std::map<std::string, ShellLinkRecord> shellLinks_; // by folded path
    KernelObjects kernel_;

    std::unordered_map<std::uint32_t, std::unique_ptr<Process>> processes_;
    std::vector<std::uint32_t> processOrder_; // the live ones, oldest first
    std::vector<std::uint32_t> quitting_;     // quit posted, loop not ended yet
    ProcessList processList_;                 // null after a change of the processes
    std::uint32_t nextPid_ = 1000;
    std::uint32_t systemPid_ = 0;
    std::uint32_t defaultPid_ = 0;
    std::uint32_t explorerPid_ = 0;

    std::vector<Monitor> monitors_;
    std::uintptr_t nextMonitor_ = 0x10001;

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
    std::uint32_t commonControls_ = 0;
    bool themed_ = false;
    std::deque<std::optional<std::string>> fileAnswers_;
    std::vector<FileDialogRecord> fileDialogs_;
    std::map<HGdiObj, LogFontA> fonts_;
    std::uintptr_t nextGdiObject_ = 0x2000;
    std::map<Hdc, ColorRef> dcText_;
    std::map<Hdc, ColorRef> dcBk_;
    // The font selected into each device context handed out by GetDC.
    std::map<Hdc, HGdiObj> dcFont_;
    std::map<Hwnd, int> redraws_;
    bool foregroundLock_ = false;
    std::set<std::uint32_t> foregroundRights_;
    bool attachFails_ = false;
    std::uint32_t lockTimeout_ = 200000;
    std::set<std::pair<std::uint32_t, std::uint32_t>> attachments_; // (smaller, larger) thread

    Hwnd taskbar_ = 0;
    TaskbarSpec taskbarSpec_;
    Rect appBarRect_;

    Point cursor_;
    bool cursorFails_ = false;
    OsVersionInfo version_{148, 5, 1, 2600, ver_platform::WIN32_NT};
    bool versionFails_ = false;
    std::string userName_ = "Taro";
    std::uint16_t uiLanguage_ = 0x0411;
    std::uint16_t langId_ = 0x0411;
    LogFontA messageFont_{-12, 400, 128, "MS UI Gothic"};
    bool perDpiMetrics_ = true;
    bool userNameFails_ = false;
    bool snapshotUnavailable_ = false;
    std::size_t snapshotCount_ = 0;
    std::size_t frozenCalls_ = 0;
    std::unordered_map<std::string, std::uint32_t> registeredMessages_; // by folded name

    // Libraries by folded file name: handle and exported names.
    struct Library {
        HModule handle;
        std::set<std::string> exports;
    };
    std::map<std::string, Library> libraries_;
    std::map<std::pair<std::uint32_t, HModule>, int> libraryRefs_; // (pid, module) -> references
    const Library* findLibrary(HModule module) const;
    FarProc exportAddress(const Library& library, const std::string& name) const;
    // Whether a library of the system has the export, for the entry points
    // a backend looks up itself.
    bool exports(const std::string& library, const std::string& name) const;

    std::vector<MessageBoxRecord> messageBoxes_;
    std::deque<std::function<void()>> messageBoxActions_;
    std::deque<int> messageBoxAnswers_;
    std::set<int> iconResources_{1, 100, 101, 102};
    std::map<HIcon, SimIcon> icons_;
    std::uintptr_t nextIcon_ = 0x7000;
    std::vector<SimNotifyIcon> notifyIcons_;
    bool notifyAreaRefuses_ = false;
    bool notifyIconRects_ = false;
    std::pair<std::uint32_t, std::uint32_t> commonControlsVersion_{6, 0};
    std::map<HMenu, SimMenu> menus_;
    std::uintptr_t nextMenu_ = 0x9000;
    std::deque<std::string> menuChoices_;
    std::vector<SimTrackedMenu> trackedMenus_;

    std::map<std::pair<std::uint64_t, std::uint64_t>, std::function<void()>> sceneEvents_;
    std::map<TimerKey, Timer> timers_;
    std::deque<Posted> posted_;
};

} // namespace vm::sim
