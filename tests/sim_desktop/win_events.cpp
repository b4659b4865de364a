// Window events: hooks set out of context, each event posted to the hook's
// thread and delivered by its message loop.
#include "sim_desktop/win_events.h"

#include <algorithm>
#include <utility>

#include "platform/constants.h"

namespace vm::sim {

std::size_t SimWinEvents::hookCount(std::uint32_t pid) const {
    return static_cast<std::size_t>(std::count_if(
        hooks_.begin(), hooks_.end(), [pid](const auto& hook) { return hook.second.pid == pid; }));
}

HWinEventHook SimWinEvents::setHook(std::uint32_t pid, Hook hook) {
    if (!hook.proc || hook.eventMin > hook.eventMax)
        return 0;
    hook.pid = pid;
    const HWinEventHook handle{nextHook_};
    nextHook_ += 4;
    hooks_.emplace(handle, std::move(hook));
    return handle;
}

bool SimWinEvents::unhook(std::uint32_t pid, HWinEventHook hook) {
    const auto found = hooks_.find(hook);
    if (found == hooks_.end() || found->second.pid != pid)
        return false;
    hooks_.erase(found);
    return true;
}

void SimWinEvents::releaseProcess(std::uint32_t pid) {
    std::erase_if(hooks_, [pid](const auto& hook) { return hook.second.pid == pid; });
}

void SimWinEvents::raise(std::uint32_t event, const SimWindow& window, std::uint32_t thread) {
    if (creationOnly_ && event != event_::OBJECT_CREATE)
        return;
    const Hwnd handle = window.handle;
    const std::uint32_t owner = window.pid;
    for (const auto& [hook, record] : hooks_) {
        if (event < record.eventMin || event > record.eventMax)
            continue;
        if (record.processId != 0 && record.processId != owner)
            continue;
        if ((record.flags & winevent::SKIPOWNPROCESS) != 0 && record.pid == owner)
            continue;
        const auto time = static_cast<std::uint32_t>(scheduler_.now());
        // Older compilers cannot capture a structured binding.
        const HWinEventHook id = hook;
        // A hook removed before its turn hears nothing more.
        scheduler_.postCall(record.pid, [this, id, event, handle, thread, time] {
            const auto found = hooks_.find(id);
            if (found == hooks_.end())
                return;
            const WinEventProc proc = found->second.proc;
            proc(id, event, handle, objid::WINDOW, childid::SELF, thread, time);
        });
    }
}

} // namespace vm::sim
