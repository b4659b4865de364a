// The window manager's keyboard focus and foreground window: who may take
// the foreground under the lock, the rights passed on, threads sharing
// input, and who takes over when the foreground window goes.
#include <algorithm>

#include "platform/sim/window_manager.h"

namespace vm::sim {

void SimWindowManager::activateNext(Hwnd leaving) {
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
    return attached(foregroundThread, threadOf(pid)) ||
           attached(foregroundThread, threadOf(windows_.at(window)->pid));
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
    foreground_ = window;
    raise(window);
}

bool SimWindowManager::setForegroundFrom(std::uint32_t pid, Hwnd window) {
    if (window != foreground_) {
        if (!mayTakeForeground(pid, window))
            return false;
        foreground_ = window;
    }
    raise(window);
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
