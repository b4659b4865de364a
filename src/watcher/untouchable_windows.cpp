#include "watcher/untouchable_windows.h"

#include <iterator>

namespace vm {

void UntouchableWindows::Attempted(IWindowSystem& win, Hwnd window, const WindowBounds& before,
                                   bool requestTaken) {
    const Seen seen{before, ProcessOf(win, window)};
    if (requestTaken)
        pending_[window] = seen;
    else
        marked_[window] = seen;
}

void UntouchableWindows::VerifyAttempts(IWindowSystem& win) {
    for (const auto& [window, seen] : pending_) {
        WindowBounds now;
        if (GetWindowBounds(win, window, now) && now == seen.bounds &&
            ProcessOf(win, window) == seen.processId)
            marked_[window] = seen;
    }
    pending_.clear();
}

bool UntouchableWindows::Refuses(IWindowSystem& win, Hwnd window, const WindowBounds& bounds) {
    const auto found = marked_.find(window);
    if (found == marked_.end())
        return false;
    if (found->second.bounds == bounds && found->second.processId == ProcessOf(win, window))
        return true;
    marked_.erase(found);
    return false;
}

void UntouchableWindows::Prune(IWindowSystem& win) {
    for (auto it = marked_.begin(); it != marked_.end();)
        it = win.IsWindow(it->first) ? std::next(it) : marked_.erase(it);
}

std::uint32_t UntouchableWindows::ProcessOf(IWindowSystem& win, Hwnd window) {
    std::uint32_t processId = 0;
    win.GetWindowThreadProcessId(window, &processId);
    return processId;
}

} // namespace vm
