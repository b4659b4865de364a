// A process of the simulated desktop, with its one thread's message state
// and the platform it sees.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_operating_system.h"
#include "platform/sim/sim_shell.h"
#include "platform/sim/sim_window_system.h"

namespace vm::sim {

struct SimDesktop::Process {
    Process(SimDesktop& desk, std::uint32_t id, std::string exe)
        : pid(id), tid(id + 2), exePath(std::move(exe)), win(desk, id), shell(desk, id),
          os(desk, id) {}

    std::uint32_t pid;
    std::uint32_t tid; // process ids are multiples of four, so this is no process id
    std::string exePath;
    bool alive = true;
    bool listed = true; // in process snapshots
    int exitCode = -1;
    bool quitPosted = false;
    bool loopEnded = false;      // the quit was seen: nothing is dispatched any more
    bool hung = false;           // stopped answering; the system reports its windows hung
    int sleeping = 0;            // inside Sleep: answers nothing until it returns
    std::uint64_t busyUntil = 0; // reads no messages before this time
    std::size_t queued = 0;      // posted messages waiting
    int comEntries = 0;          // CoInitialize calls not yet undone
    DpiAwareness dpiAwareness = DpiAwareness::PerMonitor;
    // Asynchronous requests posted while the thread does not answer; it
    // carries them out when it reads its queue again.
    std::vector<std::function<void()>> asyncRequests;
    SimWindowSystem win;
    SimShell shell;
    SimOperatingSystem os;
};

} // namespace vm::sim
