// A process of the simulated desktop and the platform it sees; its thread's
// messages and state are the scheduler's.
#pragma once

#include <cstdint>
#include <string>

#include "sim_desktop/sim_desktop.h"
#include "sim_desktop/sim_operating_system.h"
#include "sim_desktop/sim_shell.h"
#include "sim_desktop/sim_window_system.h"

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
    int comEntries = 0; // CoInitialize calls not yet undone
    DpiAwareness dpiAwareness = DpiAwareness::PerMonitor;
    SimWindowSystem win;
    SimShell shell;
    SimOperatingSystem os;
};

} // namespace vm::sim
