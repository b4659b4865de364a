// The desktop itself: its processes, the scene's windows and taskbars, and
// what spans its parts.
#include "sim_desktop/sim_desktop.h"

#include <algorithm>
#include <stdexcept>

#include "sim_desktop/cp932.h"
#include "sim_desktop/desktop_process.h"

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
    windows_.addDesktopWindow(std::move(desktop));
}

SimDesktop::~SimDesktop() = default;

HMonitor SimDesktop::addMonitor(Rect monitor, Rect work, std::uint32_t dpi) {
    const HMonitor handle = display_.add(monitor, work, dpi);
    windows_.window(kDesktopWindow).rect = display_.primaryRect();
    windows_.announceDisplayChange();
    return handle;
}

void SimDesktop::setMonitor(HMonitor handle, Rect monitor, Rect work) {
    display_.set(handle, monitor, work);
    windows_.window(kDesktopWindow).rect = display_.primaryRect();
    windows_.announceDisplayChange();
}

void SimDesktop::setMonitorDpi(HMonitor handle, std::uint32_t dpi) {
    display_.setDpi(handle, dpi);
    for (const Hwnd window : windows_.zOrder())
        windows_.followDpi(windows_.window(window));
}

void SimDesktop::setDpiAwareness(std::uint32_t pid, DpiAwareness awareness) {
    Process* process = findProcess(pid);
    if (process == nullptr)
        throw std::out_of_range("no such process on the simulated desktop");
    process->dpiAwareness = awareness;
}

void SimDesktop::removeMonitor(HMonitor handle) {
    display_.remove(handle);
    windows_.window(kDesktopWindow).rect = display_.primaryRect();
    windows_.announceDisplayChange();
}

std::uint32_t SimDesktop::addProcess(std::string exePath) {
    const std::uint32_t pid = nextPid_;
    nextPid_ += 4;
    processes_.emplace(pid, std::make_unique<Process>(*this, pid, std::move(exePath)));
    processOrder_.push_back(pid);
    scheduler_.addThread(pid);
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

void SimDesktop::saveShellLink(const std::string& path, const ShellLinkRecord& link) {
    shellLinks_[FoldAsciiCase(path)] = link;
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
    std::erase(processOrder_, pid);
    processList_.reset();
    for (const Hwnd window : windows_.zOrder()) {
        if (windows_.window(window).pid == pid)
            windows_.remove(window);
    }
    kernel_.closeAll(pid);
    libraries_.releaseProcess(pid);
    shellObjects_.releaseProcess(pid);
    winEvents_.releaseProcess(pid);
    scheduler_.endThread(pid);
    windows_.releaseThread(process->tid);
}

std::uint32_t SimDesktop::threadOf(std::uint32_t pid) const {
    const Process* process = findProcess(pid);
    return process == nullptr ? 0 : process->tid;
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
    if (spec.parent != 0 && !windows_.exists(spec.parent))
        throw std::out_of_range("a child window needs a parent of the simulated desktop");
    window->parent = spec.parent;
    window->refusesMoves = spec.refusesMoves;
    window->keepsLayered = spec.keepsLayered;
    window->elevated = spec.elevated;
    window->cloaked = spec.cloaked;
    window->skippedByEnumWindows = spec.skippedByEnumWindows;
    SimWindow& added = windows_.insert(std::move(window));
    if (spec.maximized)
        windows_.maximize(added);
    if (spec.minimized)
        windows_.minimize(added);
    return added.handle;
}

Hwnd SimDesktop::addTaskbar(const TaskbarSpec& spec) {
    if (shellObjects_.taskbar() != 0) {
        setTaskbar(spec);
        return shellObjects_.taskbar();
    }
    WindowSpec bar;
    bar.className = "Shell_TrayWnd";
    bar.rect = spec.rect;
    bar.style = kShellStyle;
    bar.exStyle = ws_ex::TOPMOST | ws_ex::TOOLWINDOW;
    bar.pid = explorerPid();
    shellObjects_.setTaskbar(addWindow(bar), spec);
    if (const auto created = scheduler_.registeredMessage("TaskbarCreated")) {
        for (const Hwnd window : windows_.zOrder()) {
            const SimWindow& target = windows_.window(window);
            if (target.proc)
                scheduler_.post(target.pid, window, *created, 0, 0);
        }
    }
    return shellObjects_.taskbar();
}

void SimDesktop::setTaskbar(const TaskbarSpec& spec) {
    const Hwnd taskbar = shellObjects_.taskbar();
    if (taskbar == 0) {
        addTaskbar(spec);
        return;
    }
    shellObjects_.setTaskbar(taskbar, spec);
    SimWindow& bar = windows_.window(taskbar);
    bar.rect = spec.rect;
    bar.normalRect = spec.rect;
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
    desktop.rect = display_.primaryRect();
    desktop.style = kShellStyle;
    desktop.exStyle = ws_ex::TOOLWINDOW;
    desktop.pid = explorerPid();
    const Hwnd window = addWindow(desktop);
    windows_.lower(window);
    return window;
}

void SimDesktop::destroyWindow(Hwnd window) {
    if (window != kDesktopWindow && windows_.exists(window))
        windows_.remove(window);
}

void SimDesktop::showWindow(Hwnd window, int command) {
    if (SimWindow* target = windows_.find(window))
        windows_.show(*target, command);
}

void SimDesktop::moveWindow(Hwnd window, Rect rect) {
    if (SimWindow* target = windows_.find(window))
        windows_.move(*target, rect);
}

void SimDesktop::clickNotifyIcon(std::size_t index, std::uint32_t mouseMessage) {
    const SimNotifyIcon& icon = shellObjects_.notifyIcons().at(index);
    if (const SimWindow* target = windows_.find(icon.window))
        scheduler_.sendNotify(target->pid, icon.window, icon.callbackMessage, icon.id,
                              static_cast<std::intptr_t>(mouseMessage));
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
    if (findProcess(pid) == nullptr)
        throw std::out_of_range("no such process on the simulated desktop");
    scheduler_.setHung(pid, on);
}

void SimDesktop::setBusy(std::uint32_t pid, std::uint32_t ms) {
    if (findProcess(pid) == nullptr)
        throw std::out_of_range("no such process on the simulated desktop");
    scheduler_.setBusy(pid, ms);
}

SimDesktop::Process* SimDesktop::findProcess(std::uint32_t pid) const {
    const auto it = processes_.find(pid);
    return it == processes_.end() ? nullptr : it->second.get();
}

std::optional<DpiAwareness> SimDesktop::dpiAwarenessOf(std::uint32_t pid) const {
    const Process* process = findProcess(pid);
    return process != nullptr ? std::optional(process->dpiAwareness) : std::nullopt;
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
