// The window manager: the windows, z-order, show states, geometry,
// destruction, window procedures, cloaking and move-size loops.
#include "sim_desktop/window_manager.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "sim_desktop/cp932.h"

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

SimWindowManager::SimWindowManager(SimDisplay& display, SimScheduler& scheduler,
                                   SimShellObjects& shellObjects, SimWinEvents& winEvents,
                                   Processes processes, ControlProc controlProc)
    : display_(display), scheduler_(scheduler), shellObjects_(shellObjects), winEvents_(winEvents),
      processes_(std::move(processes)), controlProc_(std::move(controlProc)) {}

SimWindow* SimWindowManager::find(Hwnd window) {
    const auto it = windows_.find(window);
    return it == windows_.end() ? nullptr : it->second.get();
}

const SimWindow* SimWindowManager::find(Hwnd window) const {
    const auto it = windows_.find(window);
    return it == windows_.end() ? nullptr : it->second.get();
}

SimWindow& SimWindowManager::window(Hwnd window) {
    const auto it = windows_.find(window);
    if (it == windows_.end())
        throw std::out_of_range("no such window on the simulated desktop");
    return *it->second;
}

void SimWindowManager::addDesktopWindow(std::unique_ptr<SimWindow> desktop) {
    windows_.emplace(desktop->handle, std::move(desktop));
}

SimWindow& SimWindowManager::insert(std::unique_ptr<SimWindow> window) {
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

void SimWindowManager::raise(Hwnd window) {
    const auto it = std::find(zOrder_.begin(), zOrder_.end(), window);
    if (it != zOrder_.end())
        std::rotate(it, it + 1, zOrder_.end());
}

void SimWindowManager::lower(Hwnd window) {
    const auto it = std::find(zOrder_.begin(), zOrder_.end(), window);
    if (it != zOrder_.end())
        std::rotate(zOrder_.begin(), it, it + 1);
}

void SimWindowManager::placeBelow(Hwnd window, Hwnd above) {
    if (window == above)
        return;
    const auto it = std::find(zOrder_.begin(), zOrder_.end(), window);
    if (it == zOrder_.end())
        return;
    zOrder_.erase(it);
    zOrder_.insert(std::find(zOrder_.begin(), zOrder_.end(), above), window);
}

bool SimWindowManager::enumWindows(const std::function<bool(Hwnd)>& proc) {
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

bool SimWindowManager::show(SimWindow& window, int command) {
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

void SimWindowManager::restore(SimWindow& window, bool toMaximized) {
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

void SimWindowManager::maximize(SimWindow& window) {
    if (!window.minimized() && !window.maximized())
        window.normalRect = window.rect;
    window.setMinimized(false);
    window.restoresMaximized = false;
    window.rect = maximizedRect(window);
    window.setMaximized(true);
}

void SimWindowManager::minimize(SimWindow& window) {
    if (window.minimized())
        return;
    if (!window.maximized())
        window.normalRect = window.rect;
    window.restoresMaximized = window.maximized();
    window.setMaximized(false);
    window.setMinimized(true);
}

void SimWindowManager::move(SimWindow& window, Rect rect) {
    if (window.refusesMoves)
        return;
    window.rect = rect;
    // A maximized window stays maximized; its restored place is kept.
    if (!window.minimized() && !window.maximized())
        window.normalRect = rect;
    followDpi(window);
}

void SimWindowManager::destroyWithOwned(Hwnd window, bool notify) {
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
        remove(window);
    std::erase(destroying_, window);
}

void SimWindowManager::remove(Hwnd window) {
    const auto it = windows_.find(window);
    for (const Hwnd child : std::vector<Hwnd>(it->second->children)) {
        if (exists(child))
            remove(child);
    }
    if (const Hwnd parent = it->second->parent; parent != 0 && exists(parent))
        std::erase(windows_.at(parent)->children, window);
    if (focus_ == window)
        focus_ = 0;
    std::erase(zOrder_, window);
    scheduler_.killTimers(window);
    if (procDepth_ > 0)
        graveyard_.push_back(std::move(it->second));
    windows_.erase(it);
    shellObjects_.windowGone(window);
    if (foreground_ == window)
        activateNext(window);
}

std::intptr_t SimWindowManager::callProc(Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                                         std::intptr_t lParam) {
    SimWindow* target = find(window);
    if (target != nullptr && !target->proc && target->control.kind != ControlKind::None)
        return controlProc_(*target, msg, wParam, lParam);
    if (target == nullptr)
        return 0;
    if (!target->proc)
        return defaultProc(window, msg, wParam, lParam);
    // The window object stays alive even if the procedure destroys it.
    const WndProc& proc = target->proc;
    std::intptr_t result = 0;
    {
        DepthGuard depth(procDepth_);
        const MsgResult answer = proc(window, msg, wParam, lParam);
        result = answer.has_value() ? *answer : defaultProc(window, msg, wParam, lParam);
    }
    if (procDepth_ == 0)
        graveyard_.clear();
    return result;
}

std::intptr_t SimWindowManager::defaultProc(Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                                            std::intptr_t lParam) {
    // What DefWindowProc does with a message the window's procedure
    // declined, or with any message to a window of the scene, which has no
    // procedure of its own.
    SimWindow* target = find(window);
    if (target == nullptr)
        return 0;
    switch (msg) {
        case wm::CLOSE:
            destroyWithOwned(window, true);
            return 0;
        case wm::QUERYENDSESSION:
        case wm::NCACTIVATE:
            return 1;
        case wm::ACTIVATE:
            if ((wParam & 0xFFFFu) != wa::INACTIVE && !target->minimized())
                setFocus(window);
            return 0;
        case wm::SETTEXT: {
            const auto* text = reinterpret_cast<const char*>(lParam);
            target->titleW = FromCp932(text == nullptr ? "" : text);
            return 1;
        }
        case wm::GETTEXTLENGTH:
            return static_cast<std::intptr_t>(target->titleA().size());
        case wm::GETTEXT: {
            auto* buffer = reinterpret_cast<char*>(lParam);
            if (buffer == nullptr || wParam == 0)
                return 0;
            const std::string& title = target->titleA();
            const std::size_t length = std::min<std::size_t>(title.size(), wParam - 1);
            std::copy_n(title.begin(), length, buffer);
            buffer[length] = '\0';
            return static_cast<std::intptr_t>(length);
        }
        case wm::SYSCOMMAND:
            return systemCommand(*target, wParam & sc::COMMAND_MASK);
        default:
            return 0;
    }
}

std::intptr_t SimWindowManager::systemCommand(SimWindow& target, std::uintptr_t command) {
    const Hwnd window = target.handle;
    switch (command) {
        case sc::CLOSE:
            callProc(window, wm::CLOSE, 0, 0);
            break;
        case sc::MINIMIZE:
            show(target, sw::MINIMIZE);
            break;
        case sc::MAXIMIZE:
            show(target, sw::MAXIMIZE);
            break;
        case sc::RESTORE:
            show(target, sw::RESTORE);
            break;
        default:
            break;
    }
    return 0;
}

Rect SimWindowManager::screenRect(const SimWindow& window) const {
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

bool SimWindowManager::reachable(const SimWindow& window) const {
    for (const SimWindow* w = &window; w != nullptr;) {
        if (!w->visible() || !w->enabled())
            return false;
        const auto parent = windows_.find(w->parent);
        w = w->parent == 0 || parent == windows_.end() ? nullptr : parent->second.get();
    }
    return true;
}

void SimWindowManager::raiseWinEvent(std::uint32_t event, const SimWindow& window) {
    winEvents_.raise(event, window, processes_.threadOf(window.pid));
}

void SimWindowManager::setCloaked(Hwnd handle, bool on) {
    SimWindow& target = window(handle);
    if (target.cloaked == on)
        return;
    target.cloaked = on;
    raiseWinEvent(on ? event_::OBJECT_CLOAKED : event_::OBJECT_UNCLOAKED, target);
}

void SimWindowManager::beginMoveSize(Hwnd handle) {
    const SimWindow& target = window(handle);
    moveSize_[processes_.threadOf(target.pid)] = handle;
    raiseWinEvent(event_::SYSTEM_MOVESIZESTART, target);
}

void SimWindowManager::endMoveSize(Hwnd handle) {
    const SimWindow& target = window(handle);
    const auto found = moveSize_.find(processes_.threadOf(target.pid));
    if (found == moveSize_.end() || found->second != handle)
        return;
    moveSize_.erase(found);
    raiseWinEvent(event_::SYSTEM_MOVESIZEEND, target);
}

Hwnd SimWindowManager::moveSizeWindow(std::uint32_t thread) const {
    const auto found = moveSize_.find(thread);
    return found != moveSize_.end() && exists(found->second) ? found->second : Hwnd{};
}

} // namespace vm::sim
