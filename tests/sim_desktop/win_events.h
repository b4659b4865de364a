// Window events of the simulated desktop: hooks set out of context, each
// event posted to the hook's thread and delivered by its message loop.
// Every window made and every window shown is reported to the hooks that
// ask for it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>

#include "platform/types.h"
#include "platform/window_system.h"
#include "sim_desktop/scheduler.h"
#include "sim_desktop/sim_window.h"

namespace vm::sim {

class SimWinEvents {
public:
    struct Hook {
        std::uint32_t pid;
        std::uint32_t eventMin;
        std::uint32_t eventMax;
        WinEventProc proc;
        std::uint32_t processId; // 0: every process
        std::uint32_t flags;
    };

    explicit SimWinEvents(SimScheduler& scheduler) : scheduler_(scheduler) {}

    // 0 for a hook without procedure or with an empty range.
    HWinEventHook setHook(std::uint32_t pid, Hook hook);
    // Only the process that set a hook removes it.
    bool unhook(std::uint32_t pid, HWinEventHook hook);
    // Hooks the process has set and not removed.
    std::size_t hookCount(std::uint32_t pid) const;
    void releaseProcess(std::uint32_t pid);
    // Creation-only mode reports only creation, as Wine 8 does across
    // processes (before the window is shown).
    void setCreationOnly(bool on) { creationOnly_ = on; }
    // Posts the event for the window, whose thread is thread, to every hook
    // that asks for it.
    void raise(std::uint32_t event, const SimWindow& window, std::uint32_t thread);

private:
    SimScheduler& scheduler_;
    std::map<HWinEventHook, Hook> hooks_;
    std::uintptr_t nextHook_ = 0x5000;
    bool creationOnly_ = false;
};

} // namespace vm::sim
