#include "platform/sim/sim_desktop.h"

#include <algorithm>
#include <stdexcept>

#include "platform/sim/cp932.h"
#include "platform/sim/desktop_process.h"

namespace vm::sim {

namespace {
constexpr std::uint32_t kShellStyle = ws::POPUP | ws::VISIBLE | ws::CLIPSIBLINGS | ws::CLIPCHILDREN;
} // namespace

SimDesktop::SimDesktop() {
    // The owner of the desktop window; it is in no snapshot.
    systemPid_ = addProcess("C:\\WINDOWS\\system32\\csrss.exe");
    processes_.at(systemPid_)->listed = false;
    auto desktop = std::make_unique<SimWindow>();
    desktop->handle = kDesktopWindow;
    desktop->className = "#32769";
    desktop->pid = systemPid_;
    desktop->style = kShellStyle;
    windows_.emplace(kDesktopWindow, std::move(desktop));
    libraries_.emplace(FoldAsciiCase("user32.dll"),
                       Library{HModule{0x77D40000},
                               {"SetLayeredWindowAttributes", "SetWinEventHook", "UnhookWinEvent",
                                "GetSystemMetricsForDpi"}});
    libraries_.emplace(FoldAsciiCase("dwmapi.dll"),
                       Library{HModule{0x6FF00000}, {"DwmGetWindowAttribute"}});
    libraries_.emplace(
        FoldAsciiCase("kernel32.dll"),
        Library{HModule{0x7C800000}, {"GetUserDefaultUILanguage", "QueryFullProcessImageNameA"}});
}

SimDesktop::~SimDesktop() = default;

HMonitor SimDesktop::addMonitor(Rect monitor, Rect work, std::uint32_t dpi) {
    // Never a handle of a monitor removed before.
    const HMonitor handle{nextMonitor_};
    nextMonitor_ += 2;
    monitors_.push_back({handle, monitor, work, dpi});
    windows_.at(kDesktopWindow)->rect = primaryRect();
    announceDisplayChange();
    return handle;
}

void SimDesktop::setMonitor(HMonitor handle, Rect monitor, Rect work) {
    for (Monitor& m : monitors_) {
        if (m.handle == handle) {
            m.monitor = monitor;
            m.work = work;
        }
    }
    windows_.at(kDesktopWindow)->rect = primaryRect();
    announceDisplayChange();
}

void SimDesktop::setMonitorDpi(HMonitor handle, std::uint32_t dpi) {
    for (Monitor& m : monitors_) {
        if (m.handle == handle)
            m.dpi = dpi;
    }
    for (const Hwnd window : zOrder())
        followDpi(*windows_.at(window));
}

void SimDesktop::setDpiAwareness(std::uint32_t pid, DpiAwareness awareness) {
    Process* process = findProcess(pid);
    if (process == nullptr)
        throw std::out_of_range("no such process on the simulated desktop");
    process->dpiAwareness = awareness;
}

void SimDesktop::removeMonitor(HMonitor handle) {
    if (monitors_.size() > 1 && monitors_.front().handle != handle)
        std::erase_if(monitors_, [handle](const Monitor& m) { return m.handle == handle; });
    windows_.at(kDesktopWindow)->rect = primaryRect();
    announceDisplayChange();
}

std::uint32_t SimDesktop::addProcess(std::string exePath) {
    const std::uint32_t pid = nextPid_;
    nextPid_ += 4;
    processes_.emplace(pid, std::make_unique<Process>(*this, pid, std::move(exePath)));
    processOrder_.push_back(pid);
    processList_.reset();
    return pid;
}

std::optional<ShellLinkRecord> SimDesktop::shellLink(const std::string& path) const {
    const auto it = shellLinks_.find(FoldAsciiCase(path));
    // A link whose file was deleted or replaced by another program is gone.
    if (it == shellLinks_.end() || !files_.exists(path))
        return std::nullopt;
    return it->second;
}

Platform SimDesktop::platformFor(std::uint32_t pid) {
    Process* process = findProcess(pid);
    if (process == nullptr)
        throw std::out_of_range("no such process on the simulated desktop");
    return Platform{process->win, process->shell, process->os};
}

void SimDesktop::endProcess(std::uint32_t pid) {
    Process* process = findProcess(pid);
    if (process == nullptr || !process->alive)
        return;
    process->alive = false;
    process->loopEnded = true;
    std::erase(processOrder_, pid);
    processList_.reset();
    for (const Hwnd window : zOrder()) {
        if (windows_.at(window)->pid == pid)
            removeWindow(window);
    }
    kernel_.closeAll(pid);
    std::erase_if(libraryRefs_, [pid](const auto& entry) { return entry.first.first == pid; });
    releaseProcessObjects(pid);
    std::erase_if(posted_, [pid](const Posted& message) { return message.pid == pid; });
    process->queued = 0;
    std::erase_if(attachments_, [tid = process->tid](const auto& pair) {
        return pair.first == tid || pair.second == tid;
    });
}

std::uint32_t SimDesktop::threadOf(std::uint32_t pid) const {
    const Process* process = findProcess(pid);
    return process == nullptr ? 0 : process->tid;
}

int SimDesktop::exitCodeOf(std::uint32_t pid) const {
    const Process* process = findProcess(pid);
    return process == nullptr ? -1 : process->exitCode;
}

Hwnd SimDesktop::addWindow(const WindowSpec& spec) {
    const std::uint32_t pid = spec.pid != 0 ? spec.pid : defaultPid();
    const Process* process = findProcess(pid);
    if (process == nullptr || !process->alive)
        throw std::out_of_range("a window needs a running process of the simulated desktop");
    auto window = std::make_unique<SimWindow>();
    window->className = spec.className;
    window->titleW = spec.titleW.empty() ? FromCp932(spec.title) : spec.titleW;
    window->rect = spec.rect;
    window->normalRect = spec.rect;
    window->style = spec.style & ~(ws::VISIBLE | ws::DISABLED | ws::MINIMIZE | ws::MAXIMIZE);
    window->setVisible(spec.visible);
    window->setEnabled(spec.enabled);
    window->exStyle = spec.exStyle;
    window->pid = pid;
    window->owner = spec.owner;
    if (spec.parent != 0 && !exists(spec.parent))
        throw std::out_of_range("a child window needs a parent of the simulated desktop");
    window->parent = spec.parent;
    window->refusesMoves = spec.refusesMoves;
    window->keepsLayered = spec.keepsLayered;
    window->elevated = spec.elevated;
    window->cloaked = spec.cloaked;
    window->skippedByEnumWindows = spec.skippedByEnumWindows;
    SimWindow& added = insertWindow(std::move(window));
    if (spec.maximized)
        maximize(added);
    if (spec.minimized)
        minimize(added);
    return added.handle;
}

Hwnd SimDesktop::addTaskbar(const TaskbarSpec& spec) {
    if (taskbar_ != 0) {
        setTaskbar(spec);
        return taskbar_;
    }
    WindowSpec bar;
    bar.className = "Shell_TrayWnd";
    bar.rect = spec.rect;
    bar.style = kShellStyle;
    bar.exStyle = ws_ex::TOPMOST | ws_ex::TOOLWINDOW;
    bar.pid = explorerPid();
    taskbar_ = addWindow(bar);
    taskbarSpec_ = spec;
    appBarRect_ = spec.rect;
    const auto created = registeredMessages_.find(FoldAsciiCase("TaskbarCreated"));
    if (created != registeredMessages_.end()) {
        for (const Hwnd window : zOrder()) {
            const SimWindow& target = *windows_.at(window);
            if (target.proc)
                post(target.pid, window, created->second, 0, 0);
        }
    }
    return taskbar_;
}

void SimDesktop::setTaskbar(const TaskbarSpec& spec) {
    if (taskbar_ == 0) {
        addTaskbar(spec);
        return;
    }
    taskbarSpec_ = spec;
    appBarRect_ = spec.rect;
    SimWindow& bar = *windows_.at(taskbar_);
    bar.rect = spec.rect;
    bar.normalRect = spec.rect;
}

void SimDesktop::setAppBarRect(Rect rect) {
    appBarRect_ = rect;
}

Hwnd SimDesktop::addSecondaryTaskbar(Rect rect) {
    WindowSpec bar;
    bar.className = "Shell_SecondaryTrayWnd";
    bar.rect = rect;
    bar.style = kShellStyle;
    bar.exStyle = ws_ex::TOPMOST | ws_ex::TOOLWINDOW;
    bar.pid = explorerPid();
    return addWindow(bar);
}

Hwnd SimDesktop::addProgramManager() {
    WindowSpec desktop;
    desktop.className = "Progman";
    desktop.title = "Program Manager";
    desktop.rect = primaryRect();
    desktop.style = kShellStyle;
    desktop.exStyle = ws_ex::TOOLWINDOW;
    desktop.pid = explorerPid();
    const Hwnd window = addWindow(desktop);
    lower(window);
    return window;
}

void SimDesktop::destroyWindow(Hwnd window) {
    if (window != kDesktopWindow && exists(window))
        removeWindow(window);
}

void SimDesktop::showWindow(Hwnd window, int command) {
    if (SimWindow* target = find(window))
        show(*target, command);
}

void SimDesktop::moveWindow(Hwnd window, Rect rect) {
    if (SimWindow* target = find(window))
        move(*target, rect);
}

void SimDesktop::bringToTop(Hwnd window) {
    raise(window);
}

void SimDesktop::setForeground(Hwnd window) {
    foregroundRights_.clear();
    foreground_ = window;
    raise(window);
}

SimWindow& SimDesktop::window(Hwnd window) {
    const auto it = windows_.find(window);
    if (it == windows_.end())
        throw std::out_of_range("no such window on the simulated desktop");
    return *it->second;
}

std::vector<Hwnd> SimDesktop::zOrder() const {
    return {zOrder_.rbegin(), zOrder_.rend()};
}

std::vector<std::string> SimDesktop::callNames(std::uint32_t pid) const {
    std::vector<std::string> names;
    for (const CallRecord& call : log_.records()) {
        if (call.pid == pid)
            names.push_back(call.name);
    }
    return names;
}

void SimDesktop::setHung(std::uint32_t pid, bool on) {
    Process* process = findProcess(pid);
    if (process == nullptr)
        throw std::out_of_range("no such process on the simulated desktop");
    process->hung = on;
    if (!on)
        readQueue(pid);
}

void SimDesktop::setBusy(std::uint32_t pid, std::uint32_t ms) {
    Process* process = findProcess(pid);
    if (process == nullptr)
        throw std::out_of_range("no such process on the simulated desktop");
    process->busyUntil = std::max(process->busyUntil, now_ + ms);
    at(now_ + ms, [this, pid] { readQueue(pid); });
}

void SimDesktop::readQueue(std::uint32_t pid) {
    Process* process = findProcess(pid);
    if (process == nullptr || process->hung || process->sleeping != 0 || now_ < process->busyUntil)
        return;
    std::vector<std::function<void()>> requests;
    requests.swap(process->asyncRequests);
    for (const std::function<void()>& request : requests)
        request();
}

void SimDesktop::whenThreadReads(std::uint32_t caller, const SimWindow& target,
                                 std::function<void()> request) {
    Process* owner = findProcess(target.pid);
    if (owner == nullptr || target.pid == caller) {
        request();
        return;
    }
    if (!answers(caller, target)) {
        owner->asyncRequests.push_back(std::move(request));
        return;
    }
    // A thread that answers reads its queue at the next moment it runs; if
    // it stopped answering before, the request waits for it.
    const std::uint32_t pid = target.pid;
    postCall(pid, [this, pid, request = std::move(request)] {
        Process* process = findProcess(pid);
        if (process->hung || process->sleeping != 0 || now_ < process->busyUntil)
            process->asyncRequests.push_back(request);
        else
            request();
    });
}

bool SimDesktop::answers(std::uint32_t caller, const SimWindow& target) const {
    const Process* owner = findProcess(target.pid);
    return target.pid == caller || owner == nullptr ||
           (!owner->hung && owner->sleeping == 0 && now_ >= owner->busyUntil);
}

bool SimDesktop::waitsForever(std::uint32_t caller, const SimWindow& target) {
    if (answers(caller, target))
        return false;
    ++frozenCalls_;
    return true;
}

SimDesktop::Process* SimDesktop::findProcess(std::uint32_t pid) const {
    const auto it = processes_.find(pid);
    return it == processes_.end() ? nullptr : it->second.get();
}

std::uint32_t SimDesktop::defaultPid() {
    if (defaultPid_ == 0 || !findProcess(defaultPid_)->alive)
        defaultPid_ = addProcess("C:\\Apps\\app.exe");
    return defaultPid_;
}

std::uint32_t SimDesktop::explorerPid() {
    if (explorerPid_ == 0 || !findProcess(explorerPid_)->alive)
        explorerPid_ = addProcess("C:\\WINDOWS\\explorer.exe");
    return explorerPid_;
}

ProcessList SimDesktop::processList() {
    if (!processList_) {
        auto rows = std::make_shared<std::vector<ProcessRow>>();
        for (const std::uint32_t pid : processOrder_) {
            const Process& process = *processes_.at(pid);
            if (process.listed)
                rows->emplace_back(pid, process.exePath);
        }
        processList_ = std::move(rows);
    }
    return processList_;
}

} // namespace vm::sim
