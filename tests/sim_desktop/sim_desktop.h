// The simulated desktop: a small window manager with processes, monitors,
// the shell's taskbar, kernel objects, files and a virtual clock. Every
// native test and benchmark runs the program on it. Each process sees the
// desktop through its own Platform, as a program sees Windows.
//
// SimDesktop owns the processes and composes the parts, each a class with
// its own state: the scheduler, window manager, standard controls, display,
// GDI, shell objects, window events, dialogs, libraries and the system's
// settings. This is the scene's and the tests' interface to them.
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
#include "platform/types.h"
#include "sim_desktop/call_log.h"
#include "sim_desktop/controls.h"
#include "sim_desktop/dialogs.h"
#include "sim_desktop/display.h"
#include "sim_desktop/gdi.h"
#include "sim_desktop/kernel_objects.h"
#include "sim_desktop/libraries.h"
#include "sim_desktop/scheduler.h"
#include "sim_desktop/shell_objects.h"
#include "sim_desktop/sim_files.h"
#include "sim_desktop/sim_records.h"
#include "sim_desktop/sim_registry.h"
#include "sim_desktop/sim_shell_link.h"
#include "sim_desktop/sim_window.h"
#include "sim_desktop/system_settings.h"
#include "sim_desktop/win_events.h"
#include "sim_desktop/window_manager.h"

namespace vm::sim {

class SimDesktop {
public:
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
    const SimDisplay& display() const { return display_; }

    // A process with one thread; returns its id, never 0.
    std::uint32_t addProcess(std::string exePath);
    // The platform as that process sees it; valid as long as the desktop.
    Platform platformFor(std::uint32_t pid);
    // Closes its handles and destroys its windows, without messages.
    void endProcess(std::uint32_t pid);
    std::uint32_t threadOf(std::uint32_t pid) const;
    // Whether the process was ever added (it may have ended).
    bool hasProcess(std::uint32_t pid) const { return processes_.count(pid) != 0; }
    // The exit code the process gave PostQuitMessage; -1 before.
    int exitCodeOf(std::uint32_t pid) const { return scheduler_.exitCodeOf(pid); }

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
    void setAppBarRect(Rect rect) { shellObjects_.setAppBarRect(rect); }
    // A taskbar of another monitor ("Shell_SecondaryTrayWnd" of the
    // shell); moved with moveWindow, gone with destroyWindow.
    Hwnd addSecondaryTaskbar(Rect rect);
    Hwnd taskbar() const { return shellObjects_.taskbar(); }
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
    void setForeground(Hwnd window) { windows_.setForeground(window); }
    Hwnd foreground() const { return windows_.foreground(); }
    void setForegroundLock(bool on) { windows_.setForegroundLock(on); }
    // The user started this process: it may take the foreground, and pass
    // that right on with AllowSetForegroundWindow, until the user activates
    // a window.
    void grantForegroundRight(std::uint32_t pid) { windows_.grantForegroundRight(pid); }
    std::uint32_t foregroundLockTimeout() const { return windows_.lockTimeout(); }
    void setAttachThreadInputFails(bool on) { windows_.setAttachFails(on); }

    // What the system answers about itself and the user: see
    // SimSystemSettings.
    SimSystemSettings& system() { return system_; }
    void setCursorPos(Point point) { system_.cursor = point; }
    void setCursorFails(bool on) { system_.cursorFails = on; }
    void setVersion(const OsVersionInfo& version) { system_.version = version; }
    void setVersionFails(bool on) { system_.versionFails = on; }
    void setUserName(std::string name) { system_.userName = std::move(name); }
    // Japanese unless set.
    void setUserLanguages(std::uint16_t uiLanguage, std::uint16_t langId) {
        system_.uiLanguage = uiLanguage;
        system_.langId = langId;
    }
    // See SimDisplay.
    void setMessageFont(const LogFontA& font) { display_.setMessageFont(font); }
    void setPerDpiMetrics(bool available) { display_.setPerDpiMetrics(available); }
    // Message boxes and the file-open dialog: see SimDialogs.
    SimDialogs& dialogs() { return dialogs_; }
    void whileNextMessageBox(std::function<void()> action) {
        dialogs_.whileNextMessageBox(std::move(action));
    }
    void setUserNameFails(bool on) { system_.userNameFails = on; }
    void setSnapshotUnavailable(bool on) { system_.snapshotUnavailable = on; }
    // The process's thread stops reading its queue (or reads it again);
    // the system reports it hung 5 s after it stopped. A synchronous call on
    // its window from another process (SendMessageA, SetWindowText,
    // MoveWindow, SetWindowPos, ShowWindow) blocks the caller, virtual time
    // passing, until the thread reads again; such a call is counted in
    // frozenCalls, and one that nothing in the scene would ever end gives
    // up after a virtual day. Posted messages and timers wait for the
    // thread. The same holds while a process sleeps.
    void setHung(std::uint32_t pid, bool on);
    // The process's thread is busy for ms from now (what it does meanwhile
    // are scene events): it reads no messages, then reads its queue. An
    // asynchronous move, show or SendMessageCallback sent to it meanwhile is
    // carried out only then, after what the program did first.
    void setBusy(std::uint32_t pid, std::uint32_t ms);
    std::size_t frozenCalls() const { return scheduler_.frozenCalls(); }
    std::size_t snapshotCount() const { return system_.snapshotCount; }
    // Window events. Every window made and every window shown is reported to
    // the hooks that ask for it, through their process's message queue;
    // creation-only mode reports only creation, as Wine 8 does across
    // processes (before the window is shown).
    void setWinEventsCreationOnly(bool on) { winEvents_.setCreationOnly(on); }
    // Hooks the process has set and not removed.
    std::size_t winEventHookCount(std::uint32_t pid) const { return winEvents_.hookCount(pid); }
    SimWinEvents& winEvents() { return winEvents_; }
    // Libraries and their exports: see SimLibraries.
    SimLibraries& libraries() { return libraries_; }
    void removeExport(const std::string& library, const std::string& name) {
        libraries_.removeExport(library, name);
    }
    int libraryReferences(std::uint32_t pid) const { return libraries_.references(pid); }
    KernelObjects& kernel() { return kernel_; }
    bool mutexExists(const std::string& name) const { return kernel_.mutexExists(name); }

    // Today's shell. The compositor hides a visible window or shows it
    // again; hooks hear EVENT_OBJECT_CLOAKED or EVENT_OBJECT_UNCLOAKED.
    // DwmGetWindowAttribute answers DWMWA_CLOAKED from Windows 8 (6.2) on
    // and refuses it before.
    void setCloaked(Hwnd window, bool on) { windows_.setCloaked(window, on); }
    // The user starts dragging or sizing the window: its thread is in a
    // move or size loop (GetGUIThreadInfo) until the drag ends; hooks hear
    // EVENT_SYSTEM_MOVESIZESTART and EVENT_SYSTEM_MOVESIZEEND.
    void beginMoveSize(Hwnd window) { windows_.beginMoveSize(window); }
    void endMoveSize(Hwnd window) { windows_.endMoveSize(window); }

    // Windows, z-order, focus and foreground: see SimWindowManager.
    SimWindowManager& windows() { return windows_; }
    SimWindow& window(Hwnd window) { return windows_.window(window); }
    bool exists(Hwnd window) const { return windows_.exists(window); }
    // Top-level windows, top of the z-order first.
    std::vector<Hwnd> zOrder() const { return windows_.zOrder(); }

    // Virtual time, messages and timers: see SimScheduler.
    SimScheduler& scheduler() { return scheduler_; }
    std::uint64_t now() const { return scheduler_.now(); }
    void advance(std::uint32_t ms) { scheduler_.advance(ms); }
    void at(std::uint64_t timeMs, std::function<void()> event) {
        scheduler_.at(timeMs, std::move(event));
    }
    // Timers the process has set and not killed.
    std::size_t timerCount(std::uint32_t pid) const { return scheduler_.timerCount(pid); }

    SimFiles& files() { return files_; }
    SimRegistry& registry() { return registry_; }
    // What GetWindowsDirectoryA answers; "C:\\WINDOWS" unless set.
    void setWindowsDirectory(std::string path) { system_.windowsDirectory = std::move(path); }
    // CoCreateInstance of the shell link fails, as without COM.
    void setShellLinkFails(bool on) { system_.shellLinkFails = on; }
    // The shortcut a program saved at path, if any.
    std::optional<ShellLinkRecord> shellLink(const std::string& path) const;
    void saveShellLink(const std::string& path, const ShellLinkRecord& link);

    void queueMessageBoxAnswer(int answer) { dialogs_.queueMessageBoxAnswer(answer); }
    const std::vector<MessageBoxRecord>& messageBoxes() const { return dialogs_.messageBoxes(); }

    // The user at the controls of a program's window. Each does what the
    // mouse or keyboard would, with the notifications to the parent, and
    // nothing when the control (or its window) is disabled or hidden.
    SimControls& controls() { return controls_; }
    void click(Hwnd control) { controls_.click(control); } // a push button or check box
    void selectListItem(Hwnd listBox, int index) { controls_.selectListItem(listBox, index); }
    void dragTrackBar(Hwnd trackBar, int position) { controls_.dragTrackBar(trackBar, position); }
    void stepUpDown(Hwnd upDown, bool up) { controls_.stepUpDown(upDown, up); }
    // Selects all of an edit field's text and types text over it.
    void typeText(Hwnd edit, const std::string& text) { controls_.typeText(edit, text); }
    // A key pressed while focus() has the keyboard focus. In a window with
    // WS_EX_CONTROLPARENT the dialog manager sees it first: Tab, Enter,
    // Esc, and Space on a button.
    void pressKey(std::uint32_t virtualKey) { controls_.pressKey(virtualKey); }
    // Alt with an underlined letter, in the window that has the focus.
    void pressAccessKey(char letter) { controls_.pressAccessKey(letter); }
    Hwnd focus() const { return windows_.focus(); }

    void answerOpenFileName(std::optional<std::string> path) {
        dialogs_.answerOpenFileName(std::move(path));
    }
    const std::vector<FileDialogRecord>& fileDialogs() const { return dialogs_.fileDialogs(); }
    // Fonts, device contexts and redraws: see SimGdi.
    SimGdi& gdi() { return gdi_; }
    std::size_t liveFonts() const { return gdi_.liveFonts(); }
    const LogFontA* font(HFont handle) const { return gdi_.font(handle); }
    ColorRef textColorOf(Hdc dc) const { return gdi_.textColorOf(dc); }
    ColorRef bkColorOf(Hdc dc) const { return gdi_.bkColorOf(dc); }
    int redrawCount(Hwnd window) const { return gdi_.redrawCount(window); }
    bool commonControlsReady() const { return controls_.commonControlsReady(); }
    // Visual styles in use for the programs (IsAppThemed); off by default.
    void setThemed(bool on) { controls_.setThemed(on); }

    // Icons, menus and the notification area: see SimShellObjects. LoadImageA
    // of an id not in the icon resources fails.
    SimShellObjects& shellObjects() { return shellObjects_; }
    void setIconResources(std::set<int> ids) { shellObjects_.setIconResources(std::move(ids)); }
    std::size_t liveIcons(std::uint32_t pid) const { return shellObjects_.liveIcons(pid); }
    std::string iconImage(HIcon icon) const { return shellObjects_.iconImage(icon); }
    // A new taskbar's notification area starts empty.
    const std::vector<SimNotifyIcon>& notifyIcons() const { return shellObjects_.notifyIcons(); }
    // The user acts on an icon: the shell sends its callback message with
    // the mouse message without waiting (SendNotifyMessage), so it reaches
    // the icon's thread as a send, also inside a send of that thread's own.
    void clickNotifyIcon(std::size_t index, std::uint32_t mouseMessage);
    // At logon the shell may exist before its notification area takes
    // icons: while this is on, every Shell_NotifyIcon call fails.
    void setNotifyAreaRefuses(bool on) { shellObjects_.setNotifyAreaRefuses(on); }
    // Windows 7 and later say where an icon is (Shell_NotifyIconGetRect):
    // 16 x 16 at the taskbar's far end, the first icon rightmost. Off, as
    // on the earlier systems, by default.
    void setNotifyIconRects(bool on) { shellObjects_.setNotifyIconRects(on); }
    // comctl32's DllGetVersion answer.
    void setCommonControlsVersion(std::uint32_t major, std::uint32_t minor) {
        system_.commonControlsVersion = {major, minor};
    }

    // Popup menus. The user's choice in the next menus that open, by
    // caption, one per menu; "" or no choice dismisses the menu. A grayed
    // item cannot be chosen.
    void chooseMenuItem(std::string caption) { shellObjects_.chooseMenuItem(std::move(caption)); }
    const std::vector<SimTrackedMenu>& trackedMenus() const { return shellObjects_.trackedMenus(); }
    std::size_t liveMenus(std::uint32_t pid) const { return shellObjects_.liveMenus(pid); }

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
    std::vector<std::string> takeDebugOutput() { return std::exchange(system_.debugOutput, {}); }

    // What each process's backends use besides the parts. A process is
    // defined in desktop_process.h.
    struct Process;
    Process* findProcess(std::uint32_t pid) const;
    // The live processes, oldest first.
    const std::vector<std::uint32_t>& liveProcesses() const { return processOrder_; }
    ProcessList processList();
    // Records the call; throws or lets another program act first as the
    // scene asked (failNextCall, beforeNextCall).
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
        log_.add(pid, scheduler_.now(), name, args...);
    }
    // An elevated program's window refuses changes from any other process.
    static bool deniesAccess(std::uint32_t caller, const SimWindow& target) {
        return target.elevated && target.pid != caller;
    }

private:
    std::uint32_t defaultPid();
    std::uint32_t explorerPid();
    std::optional<DpiAwareness> dpiAwarenessOf(std::uint32_t pid) const;

    CallLog log_;
    std::string failingCall_;
    std::string interruptedCall_;
    std::function<void()> interruption_;
    SimRegistry registry_;
    std::map<std::string, ShellLinkRecord> shellLinks_; // by folded path
    KernelObjects kernel_;

    std::unordered_map<std::uint32_t, std::unique_ptr<Process>> processes_;
    std::vector<std::uint32_t> processOrder_; // the live ones, oldest first
    ProcessList processList_;                 // null after a change of the processes
    std::uint32_t nextPid_ = 1000;
    std::uint32_t systemPid_ = 0;
    std::uint32_t defaultPid_ = 0;
    std::uint32_t explorerPid_ = 0;

    SimSystemSettings system_;
    SimLibraries libraries_;

    // The parts, each given what it needs of the others.
    SimScheduler scheduler_{
        [this](Hwnd window, std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) {
            windows_.callProc(window, msg, wParam, lParam);
        }};
    SimFiles files_{scheduler_.clock()};
    SimDisplay display_{system_.version};
    SimGdi gdi_;
    SimDialogs dialogs_;
    SimShellObjects shellObjects_;
    SimWinEvents winEvents_{scheduler_};
    SimWindowManager windows_{
        display_,
        scheduler_,
        shellObjects_,
        winEvents_,
        SimWindowManager::Processes{[this](std::uint32_t pid) { return threadOf(pid); },
                                    [this](std::uint32_t pid) { return dpiAwarenessOf(pid); }},
        [this](SimWindow& control, std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) {
            return controls_.proc(control, msg, wParam, lParam);
        }};
    SimControls controls_{windows_};
};

} // namespace vm::sim
