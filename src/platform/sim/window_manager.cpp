// The window manager: z-order, show states, geometry, destruction and the
// foreground window.
#include <algorithm>

#include "platform/sim/desktop_process.h"
#include "platform/sim/sim_desktop.h"

namespace vm::sim {

namespace {
// Counts nesting, also when a callback throws.
template <typename T>
class DepthGuard {
public:
    explicit DepthGuard(T& depth) : depth_(depth) { ++depth_; }
    ~DepthGuard() { --depth_; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;

private:
    T& depth_;
};

bool IsShowCommand(int command) {
    switch (command) {
        case sw::HIDE:
        case sw::SHOWNORMAL:
        case sw::SHOWMINIMIZED:
        case sw::MAXIMIZE:
        case sw::SHOW:
        case sw::MINIMIZE:
        case sw::RESTORE:
            return true;
        default:
            return false;
    }
}
} // namespace

SimWindow* SimDesktop::find(Hwnd window) {
    const auto it = windows_.find(window);
    return it == windows_.end() ? nullptr : it->second.get();
}

SimWindow& SimDesktop::insertWindow(std::unique_ptr<SimWindow> window) {
    // Window handles are even numbers, as on Windows.
    window->handle = Hwnd{nextHwnd_};
    nextHwnd_ += 4;
    SimWindow& added = *window;
    windows_.emplace(added.handle, std::move(window));
    if (added.parent != 0)
        windows_.at(added.parent)->children.push_back(added.handle);
    else
        zOrder_.push_back(added.handle);
    raiseWinEvent(event_::OBJECT_CREATE, added);
    if (added.visible())
        raiseWinEvent(event_::OBJECT_SHOW, added);
    return added;
}

void SimDesktop::raise(Hwnd window) {
    const auto it = std::find(zOrder_.begin(), zOrder_.end(), window);
    if (it != zOrder_.end())
        std::rotate(it, it + 1, zOrder_.end());
}

void SimDesktop::lower(Hwnd window) {
    const auto it = std::find(zOrder_.begin(), zOrder_.end(), window);
    if (it != zOrder_.end())
        std::rotate(zOrder_.begin(), it, it + 1);
}

void SimDesktop::placeBelow(Hwnd window, Hwnd above) {
    if (window == above)
        return;
    const auto it = std::find(zOrder_.begin(), zOrder_.end(), window);
    if (it == zOrder_.end())
        return;
    zOrder_.erase(it);
    zOrder_.insert(std::find(zOrder_.begin(), zOrder_.end(), above), window);
}

bool SimDesktop::enumWindows(const std::function<bool(Hwnd)>& proc) {
    // The handles are taken first: windows made during the walk are not
    // visited, windows destroyed during it are skipped.
    if (enumLists_.size() <= enumDepth_)
        enumLists_.emplace_back();
    std::vector<Hwnd>& list = enumLists_[enumDepth_];
    list.assign(zOrder_.rbegin(), zOrder_.rend());
    DepthGuard depth(enumDepth_);
    for (const Hwnd window : list) {
        const auto found = windows_.find(window);
        if (found == windows_.end() || found->second->skippedByEnumWindows)
            continue;
        if (!proc(window))
            return false;
    }
    return true;
}

bool SimDesktop::show(SimWindow& window, int command) {
    if (!IsShowCommand(command))
        return false;
    const bool wasVisible = window.visible();
    const bool visible = command != sw::HIDE;
    const Hwnd handle = window.handle;
    if (visible != wasVisible && window.proc) {
        // The window hears of it before it changes.
        callProc(handle, wm::SHOWWINDOW, visible ? 1 : 0, 0);
        if (find(handle) != &window)
            return wasVisible;
    }
    window.setVisible(visible);
    if (visible && !wasVisible)
        raiseWinEvent(event_::OBJECT_SHOW, window);
    if (command == sw::SHOWNORMAL)
        restore(window, false);
    else if (command == sw::RESTORE)
        restore(window, window.minimized() && window.restoresMaximized);
    else if (command == sw::MAXIMIZE)
        maximize(window);
    else if (command == sw::MINIMIZE || command == sw::SHOWMINIMIZED)
        minimize(window);
    if (foreground_ == handle && (!window.visible() || window.minimized()))
        activateNext(handle);
    return wasVisible;
}

void SimDesktop::restore(SimWindow& window, bool toMaximized) {
    if (toMaximized) {
        maximize(window);
        return;
    }
    if (window.minimized() || window.maximized())
        window.rect = window.normalRect;
    window.setMinimized(false);
    window.setMaximized(false);
    window.restoresMaximized = false;
}

void SimDesktop::maximize(SimWindow& window) {
    if (!window.minimized() && !window.maximized())
        window.normalRect = window.rect;
    window.setMinimized(false);
    window.restoresMaximized = false;
    window.rect = maximizedRect(window);
    window.setMaximized(true);
}

void SimDesktop::minimize(SimWindow& window) {
    if (window.minimized())
        return;
    if (!window.maximized())
        window.normalRect = window.rect;
    window.restoresMaximized = window.maximized();
    window.setMaximized(false);
    window.setMinimized(true);
}

void SimDesktop::move(SimWindow& window, Rect rect) {
    if (window.refusesMoves)
        return;
    window.rect = rect;
    // A maximized window stays maximized; its restored place is kept.
    if (!window.minimized() && !window.maximized())
        window.normalRect = rect;
    followDpi(window);
}

Rect SimDesktop::maximizedRect(const SimWindow& window) {
    const Monitor* monitor =
        findMonitor(monitorFromRect(window.normalRect, monitor::DEFAULTTONEAREST));
    if (monitor == nullptr)
        return window.normalRect;
    // Like Windows, the frame and its padding lie just outside the work
    // area. The system scales whatever a program draws to the monitor's DPI,
    // so on screen the frame always has that monitor's size, even where the
    // program itself believes in another DPI.
    const int frame = systemMetricForDpi(sm::CYFRAME, monitor->dpi) +
                      systemMetricForDpi(sm::CXPADDEDBORDER, monitor->dpi);
    const Rect work = monitor->work;
    return {work.left - frame, work.top - frame, work.right + frame, work.bottom + frame};
}

void SimDesktop::destroyWithOwned(Hwnd window, bool notify) {
    if (std::find(destroying_.begin(), destroying_.end(), window) != destroying_.end())
        return;
    destroying_.push_back(window);
    // Owned windows go first, as on Windows.
    for (const Hwnd other : zOrder()) {
        const SimWindow* owned = find(other);
        if (owned != nullptr && owned->owner == window)
            destroyWithOwned(other, notify);
    }
    if (notify)
        callProc(window, wm::DESTROY, 0, 0);
    if (exists(window))
        removeWindow(window);
    std::erase(destroying_, window);
}

int SimDesktop::answerMessageBox(MessageBoxRecord record) {
    const std::uint32_t type = record.type;
    messageBoxes_.push_back(std::move(record));
    if (!messageBoxActions_.empty()) {
        const std::function<void()> action = std::move(messageBoxActions_.front());
        messageBoxActions_.pop_front();
        action();
    }
    if (!messageBoxAnswers_.empty()) {
        const int answer = messageBoxAnswers_.front();
        messageBoxAnswers_.pop_front();
        return answer;
    }
    // Nobody answered: the default button is pressed.
    static constexpr int kButtons[][3] = {
        {id_::OK, id_::OK, id_::OK},
        {id_::OK, id_::CANCEL, id_::CANCEL},
        {3, 4, 5},
        {id_::YES, id_::NO, id_::CANCEL},
        {id_::YES, id_::NO, id_::NO},
        {4, id_::CANCEL, id_::CANCEL},
    };
    const std::uint32_t buttons = type & 0xFu;
    const std::uint32_t defaultButton = (type >> 8) & 0xFu;
    if (buttons >= std::size(kButtons) || defaultButton > 2)
        return kButtons[0][0];
    return kButtons[buttons][defaultButton];
}

void SimDesktop::removeWindow(Hwnd window) {
    const auto it = windows_.find(window);
    for (const Hwnd child : std::vector<Hwnd>(it->second->children)) {
        if (exists(child))
            removeWindow(child);
    }
    if (const Hwnd parent = it->second->parent; parent != 0 && exists(parent))
        std::erase(windows_.at(parent)->children, window);
    if (focus_ == window)
        focus_ = 0;
    std::erase(zOrder_, window);
    std::erase_if(timers_, [window](const auto& timer) { return timer.first.first == window; });
    if (procDepth_ > 0)
        graveyard_.push_back(std::move(it->second));
    windows_.erase(it);
    // The shell's icons go with its taskbar.
    if (taskbar_ == window) {
        taskbar_ = 0;
        notifyIcons_.clear();
    }
    if (foreground_ == window)
        activateNext(window);
}

void SimDesktop::activateNext(Hwnd leaving) {
    foreground_ = 0;
    for (auto it = zOrder_.rbegin(); it != zOrder_.rend(); ++it) {
        const SimWindow& candidate = *windows_.at(*it);
        if (*it != leaving && candidate.visible() && candidate.enabled() &&
            !candidate.minimized() && (candidate.exStyle & ws_ex::NOACTIVATE) == 0) {
            foreground_ = *it;
            return;
        }
    }
}

bool SimDesktop::mayTakeForeground(std::uint32_t pid, Hwnd window) const {
    // A foreground handle set by a test may name no window: then nobody
    // holds the foreground.
    const auto front = windows_.find(foreground_);
    if (!foregroundLock_ || front == windows_.end() || lockTimeout_ == 0 ||
        foregroundRights_.count(pid) != 0)
        return true;
    const std::uint32_t foregroundPid = front->second->pid;
    if (foregroundPid == pid)
        return true;
    // Threads that share the foreground thread's input may pass it on.
    const std::uint32_t foregroundThread = threadOf(foregroundPid);
    return attached(foregroundThread, threadOf(pid)) ||
           attached(foregroundThread, threadOf(windows_.at(window)->pid));
}

bool SimDesktop::attached(std::uint32_t a, std::uint32_t b) const {
    return attachments_.count({std::min(a, b), std::max(a, b)}) != 0;
}

std::intptr_t SimDesktop::callProc(Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                                   std::intptr_t lParam) {
    SimWindow* target = find(window);
    if (target != nullptr && !target->proc && target->control.kind != ControlKind::None)
        return controlProc(*target, msg, wParam, lParam);
    if (target == nullptr || !target->proc)
        return 0;
    // The window object stays alive even if the procedure destroys it.
    const WndProc& proc = target->proc;
    std::intptr_t result = 0;
    {
        DepthGuard depth(procDepth_);
        const MsgResult answer = proc(window, msg, wParam, lParam);
        result = answer.has_value() ? *answer : defaultProc(window, msg, wParam);
    }
    if (procDepth_ == 0)
        graveyard_.clear();
    return result;
}

std::intptr_t SimDesktop::defaultProc(Hwnd window, std::uint32_t msg, std::uintptr_t wParam) {
    // What DefWindowProc does with the messages a program may decline:
    // closing destroys the window (and the windows it owns), the system
    // menu's close asks for a close. Everything else answers 0.
    if (msg == wm::CLOSE && exists(window)) {
        destroyWithOwned(window, true);
    } else if (msg == wm::SYSCOMMAND && (wParam & sc::COMMAND_MASK) == sc::CLOSE) {
        callProc(window, wm::CLOSE, 0, 0);
    }
    return 0;
}

Rect SimDesktop::screenRect(const SimWindow& window) const {
    Rect rect = window.reportedRect();
    for (Hwnd up = window.parent; up != 0 && windows_.count(up) != 0;) {
        const SimWindow& parent = *windows_.at(up);
        const Rect origin = parent.reportedRect();
        rect = {rect.left + origin.left, rect.top + origin.top, rect.right + origin.left,
                rect.bottom + origin.top};
        up = parent.parent;
    }
    return rect;
}

bool SimDesktop::reachable(const SimWindow& window) const {
    for (const SimWindow* w = &window; w != nullptr;) {
        if (!w->visible() || !w->enabled())
            return false;
        const auto parent = windows_.find(w->parent);
        w = w->parent == 0 || parent == windows_.end() ? nullptr : parent->second.get();
    }
    return true;
}

void SimDesktop::setFocus(Hwnd window) {
    const Hwnd old = focus_;
    if (old == window)
        return;
    focus_ = window;
    if (old != 0 && exists(old))
        callProc(old, wm::KILLFOCUS, window.Value(), 0);
    if (window != 0 && exists(window) && focus_ == window)
        callProc(window, wm::SETFOCUS, old.Value(), 0);
}

} // namespace vm::sim
