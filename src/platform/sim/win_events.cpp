// Window events of the simulated desktop: hooks set out of context, each
// event posted to the hook's process and delivered by its message loop.
#include <algorithm>

#include "platform/sim/desktop_process.h"
#include "platform/sim/sim_desktop.h"

namespace vm::sim {

std::size_t SimDesktop::winEventHookCount(std::uint32_t pid) const {
    return static_cast<std::size_t>(
        std::count_if(winEventHooks_.begin(), winEventHooks_.end(),
                      [pid](const auto& hook) { return hook.second.pid == pid; }));
}

HWinEventHook SimDesktop::setWinEventHook(std::uint32_t pid, WinEventHookRecord record) {
    if (!record.proc || record.eventMin > record.eventMax)
        return 0;
    record.pid = pid;
    const HWinEventHook hook{nextWinEventHook_};
    nextWinEventHook_ += 4;
    winEventHooks_.emplace(hook, std::move(record));
    return hook;
}

bool SimDesktop::unhookWinEvent(std::uint32_t pid, HWinEventHook hook) {
    const auto found = winEventHooks_.find(hook);
    if (found == winEventHooks_.end() || found->second.pid != pid)
        return false;
    winEventHooks_.erase(found);
    return true;
}

void SimDesktop::raiseWinEvent(std::uint32_t event, const SimWindow& window) {
    if (winEventsCreationOnly_ && event != event_::OBJECT_CREATE)
        return;
    const Hwnd handle = window.handle;
    const std::uint32_t owner = window.pid;
    const std::uint32_t thread = threadOf(owner);
    for (const auto& [hook, record] : winEventHooks_) {
        if (event < record.eventMin || event > record.eventMax)
            continue;
        if (record.processId != 0 && record.processId != owner)
            continue;
        if ((record.flags & winevent::SKIPOWNPROCESS) != 0 && record.pid == owner)
            continue;
        Process* listener = findProcess(record.pid);
        if (listener == nullptr || listener->loopEnded)
            continue;
        const auto time = static_cast<std::uint32_t>(now_);
        ++listener->queued;
        // A hook removed before its turn hears nothing more.
        posted_.push_back({record.pid, 0, 0, 0, 0, order_++});
        // Older compilers cannot capture a structured binding.
        const HWinEventHook id = hook;
        posted_.back().call = [this, id, event, handle, thread, time] {
            const auto found = winEventHooks_.find(id);
            if (found == winEventHooks_.end())
                return;
            const WinEventProc proc = found->second.proc;
            proc(id, event, handle, objid::WINDOW, childid::SELF, thread, time);
        };
    }
}

} // namespace vm::sim
