// The simulated desktop: a small window manager with processes, monitors,
// the shell's taskbar, kernel objects, files and a virtual clock. Every
// native test and benchmark runs the program on it. Each process sees the
// desktop through its own Platform, as a program sees Windows.
//
// SimDesktop owns the processes and composes the parts, each a class with
// its own state: the scheduler, window manager, standard controls, display,
// GDI, shell objects, window events, dialogs, libraries, kernel objects,
// files, registry and the system's settings. A scene reaches each part
// through its accessor (desk.scheduler().advance(ms),
// desk.windows().window(h), desk.system().cursor); SimDesktop itself holds
// only the scene-wide operations, those that span parts or processes: the
// monitors, processes, the scene's windows and taskbars, hung and busy
// threads, shortcuts and the call log.
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
    // Monitors change through the desktop, which tells the windows; the
    // message font and per-DPI metrics are set on the display itself.
    SimDisplay& display() { return display_; }

    // A process with one thread; returns its id, never 0.
    std::uint32_t addProcess(std::string exePath);
    // The platform as that process sees it; valid as long as the desktop.
    Platform platformFor(std::uint32_t pid);
    // Closes its handles and destroys its windows, without messages.
    void endProcess(std::uint32_t pid);
    std::uint32_t threadOf(std::uint32_t pid) const;
    // Whether the process was ever added (it may have ended).
    bool hasProcess(std::uint32_t pid) const { return processes_.count(pid) != 0; }

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
    // A taskbar of another monitor ("Shell_SecondaryTrayWnd" of the
    // shell); moved with moveWindow, gone with destroyWindow.
    Hwnd addSecondaryTaskbar(Rect rect);
    // "Progman" titled "Program Manager" over the primary monitor, at the
    // bottom of the z-order.
    Hwnd addProgramManager();
    void destroyWindow(Hwnd window);

    // Another program acting on a window, as ShowWindow / MoveWindow
    // would; nothing for a window that is gone.
    void showWindow(Hwnd window, int command);
    void moveWindow(Hwnd window, Rect rect);

    // What the system answers about itself and the user: see
    // SimSystemSettings.
    SimSystemSettings& system() { return system_; }
    // Message boxes and the file-open dialog: see SimDialogs.
    SimDialogs& dialogs() { return dialogs_; }
    // The process's thread stops reading its queue (or reads it again);
    // the system reports it hung 5 s after it stopped. A synchronous call on
    // its window from another process (SendMessageA, SetWindowText,
    // MoveWindow, SetWindowPos, ShowWindow) blocks the caller, virtual time
    // passing, until the thread reads again; such a call is counted in the
    // scheduler's frozenCalls, and one that nothing in the scene would ever
    // end gives up after a virtual day. Posted messages and timers wait for
    // the thread. The same holds while a process sleeps.
    void setHung(std::uint32_t pid, bool on);
    // The process's thread is busy for ms from now (what it does meanwhile
    // are scene events): it reads no messages, then reads its queue. An
    // asynchronous move, show or SendMessageCallback sent to it meanwhile is
    // carried out only then, after what the program did first.
    void setBusy(std::uint32_t pid, std::uint32_t ms);
    // Window events: see SimWinEvents.
    SimWinEvents& winEvents() { return winEvents_; }
    // Libraries and their exports: see SimLibraries.
    SimLibraries& libraries() { return libraries_; }
    KernelObjects& kernel() { return kernel_; }
    // Windows, z-order, focus, foreground, cloaking and move-size loops:
    // see SimWindowManager.
    SimWindowManager& windows() { return windows_; }
    const SimWindowManager& windows() const { return windows_; }
    // Virtual time, messages and timers: see SimScheduler.
    SimScheduler& scheduler() { return scheduler_; }
    const SimScheduler& scheduler() const { return scheduler_; }
    SimFiles& files() { return files_; }
    SimRegistry& registry() { return registry_; }
    // The shortcut a program saved at path, if any.
    std::optional<ShellLinkRecord> shellLink(const std::string& path) const;
    void saveShellLink(const std::string& path, const ShellLinkRecord& link);
    // The standard controls and the user at them: see SimControls.
    SimControls& controls() { return controls_; }
    // Fonts, device contexts and redraws: see SimGdi.
    SimGdi& gdi() { return gdi_; }
    // Icons, menus, the appbar and the notification area: see
    // SimShellObjects.
    SimShellObjects& shellObjects() { return shellObjects_; }
    // The user acts on an icon: the shell sends its callback message with
    // the mouse message without waiting (SendNotifyMessage), so it reaches
    // the icon's thread as a send, also inside a send of that thread's own.
    void clickNotifyIcon(std::size_t index, std::uint32_t mouseMessage);

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
