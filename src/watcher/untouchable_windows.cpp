#include "watcher/untouchable_windows.h"

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
    // A mark holds only while the window stays put: once it has been seen
    // elsewhere (or gone), it is handled again even if its program puts it
    // back at the very same place later. A tick may judge a move the
    // window's thread had no time to act on yet; this undoes that too.
    std::erase_if(marked_,
                  [&](const auto& entry) { return !StillAt(win, entry.first, entry.second); });
    for (const auto& [window, seen] : pending_) {
        if (StillAt(win, window, seen))
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

bool UntouchableWindows::MoveAwaited(Hwnd window, const WindowBounds& bounds) const {
    const auto found = pending_.find(window);
    return found != pending_.end() && found->second.bounds == bounds;
}

bool UntouchableWindows::StillAt(IWindowSystem& win, Hwnd window, const Seen& seen) {
    WindowBounds now;
    return GetWindowBounds(win, window, now) && now == seen.bounds &&
           ProcessOf(win, window) == seen.processId;
}

std::uint32_t UntouchableWindows::ProcessOf(IWindowSystem& win, Hwnd window) {
    std::uint32_t processId = 0;
    win.GetWindowThreadProcessId(window, &processId);
    return processId;
}

} // namespace vm
