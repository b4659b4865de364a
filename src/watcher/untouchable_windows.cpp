#include "watcher/untouchable_windows.h"

#include "platform/constants.h"

namespace vm {

void UntouchableWindows::Attempted(IWindowSystem& win, Hwnd window, const WindowBounds& before,
                                   bool requestTaken) {
    const Seen seen{before, ProcessOf(win, window)};
    if (!requestTaken) {
        pending_.erase(window);
        marked_[window] = seen;
        return;
    }
    // Asked after the request, the round trip is answered once the thread
    // has read its queue up to it, the request included.
    if (++lastAsk_ == 0)
        ++lastAsk_;
    const std::uint32_t ask = lastAsk_;
    std::weak_ptr<bool> alive = alive_;
    const bool asked = win.SendMessageCallbackW(
        window, wm::NULL_, 0, 0,
        [this, alive, &win, ask](Hwnd answered, std::uint32_t, std::intptr_t) {
            if (!alive.expired())
                OnAnswer(win, answered, ask);
        });
    pending_[window] = {seen, asked ? ask : 0};
}

void UntouchableWindows::OnAnswer(IWindowSystem& win, Hwnd window, std::uint32_t ask) {
    const auto found = pending_.find(window);
    if (found == pending_.end() || found->second.ask != ask)
        return;
    if (StillAt(win, window, found->second.seen))
        marked_[window] = found->second.seen;
    pending_.erase(found);
}

void UntouchableWindows::VerifyAttempts(IWindowSystem& win) {
    // A mark holds only while the window stays put: once it has been seen
    // elsewhere (or gone), it is handled again even if its program puts it
    // back at the very same place later.
    std::erase_if(marked_,
                  [&](const auto& entry) { return !StillAt(win, entry.first, entry.second); });
    // Without a round trip, the thread has had a tick's time to act; a
    // tick may judge a move it had no time for yet, which the line above
    // undoes once the window has moved.
    std::erase_if(pending_, [&](const auto& entry) {
        const auto& [window, pending] = entry;
        if (pending.ask != 0)
            return !win.IsWindow(window);
        if (StillAt(win, window, pending.seen))
            marked_[window] = pending.seen;
        return true;
    });
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
    return found != pending_.end() && found->second.seen.bounds == bounds;
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
