// The window manager's keyboard focus and foreground window: who may take
// the foreground under the lock, the rights passed on, threads sharing
// input, and who takes over when the foreground window goes.
#include <algorithm>

#include "sim_desktop/window_manager.h"

namespace vm::sim {

void SimWindowManager::activateNext(Hwnd leaving) {
    for (auto it = zOrder_.rbegin(); it != zOrder_.rend(); ++it) {
        const SimWindow& candidate = *windows_.at(*it);
        if (*it != leaving && candidate.visible() && candidate.enabled() &&
            !candidate.minimized() && (candidate.exStyle & ws_ex::NOACTIVATE) == 0) {
            changeForeground(*it);
            return;
        }
    }
    changeForeground(0);
}

void SimWindowManager::changeForeground(Hwnd window) {
    const Hwnd left = foreground_;
    if (left == window)
        return;
    foreground_ = window;
    const SimWindow* old = find(left);
    const SimWindow* now = find(window);
    const std::uint32_t oldPid = old != nullptr ? old->pid : 0;
    const std::uint32_t newPid = now != nullptr ? now->pid : 0;
    const auto& threadOf = processes_.threadOf;
    const auto toProgram = [this](std::uint32_t pid, std::uintptr_t active, std::uint32_t other) {
        for (const Hwnd top : zOrder()) {
            if (find(top)->pid == pid)
                notifyActivation(top, wm::ACTIVATEAPP, active, other);
        }
    };
    if (old != nullptr) {
        notifyActivation(left, wm::NCACTIVATE, 0, 0);
        notifyActivation(left, wm::ACTIVATE, wa::INACTIVE, window.Value());
    }
    if (oldPid != newPid && oldPid != 0)
        toProgram(oldPid, 0, threadOf(newPid));
    // The thread that lost the foreground loses the keyboard focus too.
    const SimWindow* focused = find(focus_);
    if (focused != nullptr && focused->pid == oldPid && oldPid != newPid)
        setFocus(0);
    if (oldPid != newPid && newPid != 0)
        toProgram(newPid, 1, threadOf(oldPid));
    if (now != nullptr && foreground_ == window) {
        notifyActivation(window, wm::NCACTIVATE, 1, 0);
        notifyActivation(window, wm::ACTIVATE, wa::ACTIVE, left.Value());
    }
}

void SimWindowManager::notifyActivation(Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                                        std::intptr_t lParam) {
    const SimWindow* target = find(window);
    if (target == nullptr)
        return;
    const std::uint32_t pid = target->pid;
    if (scheduler_.answers(0, pid)) {
        callProc(window, msg, wParam, lParam);
        return;
    }
    scheduler_.postCall(pid, [this, window, msg, wParam, lParam] {
        if (exists(window))
            callProc(window, msg, wParam, lParam);
    });
}

bool SimWindowManager::mayTakeForeground(std::uint32_t pid, Hwnd window) const {
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
    const auto& threadOf = processes_.threadOf;
    const std::uint32_t foregroundThread = threadOf(foregroundPid);
    const SimWindow* target = find(window);
    return attached(foregroundThread, threadOf(pid)) ||
           (target != nullptr && attached(foregroundThread, threadOf(target->pid)));
}

bool SimWindowManager::setLockTimeoutFrom(std::uint32_t pid, std::uint32_t ms) {
    if (!mayTakeForeground(pid, 0))
        return false;
    lockTimeout_ = ms;
    return true;
}

bool SimWindowManager::attached(std::uint32_t a, std::uint32_t b) const {
    return attachments_.count({std::min(a, b), std::max(a, b)}) != 0;
}

void SimWindowManager::setFocus(Hwnd window) {
    const Hwnd old = focus_;
    if (old == window)
        return;
    focus_ = window;
    if (old != 0 && exists(old))
        callProc(old, wm::KILLFOCUS, window.Value(), 0);
    if (window != 0 && exists(window) && focus_ == window)
        callProc(window, wm::SETFOCUS, old.Value(), 0);
}

void SimWindowManager::setForeground(Hwnd window) {
    foregroundRights_.clear();
    raise(window);
    changeForeground(window);
}

bool SimWindowManager::setForegroundFrom(std::uint32_t pid, Hwnd window) {
    if (window != foreground_ && !mayTakeForeground(pid, window))
        return false;
    raise(window);
    changeForeground(window);
    return true;
}

bool SimWindowManager::passForegroundRight(std::uint32_t pid, std::uint32_t processId) {
    // Only a process that could take the foreground itself may pass it on.
    const bool mayPass = !foregroundLock_ || foregroundRights_.count(pid) != 0 ||
                         windows_.count(foreground_) == 0 || windows_.at(foreground_)->pid == pid;
    if (!mayPass)
        return false;
    foregroundRights_.insert(processId);
    return true;
}

bool SimWindowManager::attachThreadInput(std::uint32_t attachThread, std::uint32_t toThread,
                                         bool attach) {
    if (attachFails_ || attachThread == toThread)
        return false;
    const auto pair =
        std::make_pair(std::min(attachThread, toThread), std::max(attachThread, toThread));
    if (attach) {
        attachments_.insert(pair);
        return true;
    }
    return attachments_.erase(pair) != 0;
}

void SimWindowManager::releaseThread(std::uint32_t thread) {
    std::erase_if(attachments_, [thread](const auto& pair) {
        return pair.first == thread || pair.second == thread;
    });
}

} // namespace vm::sim
