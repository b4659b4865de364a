// Passing the right to take the foreground on to another process.
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_window_system.h"

namespace vm::sim {

bool SimWindowSystem::AllowSetForegroundWindow(std::uint32_t processId) {
    desk_.logCall(pid_, "AllowSetForegroundWindow", processId);
    // Only a process that could take the foreground itself may pass it on.
    const bool mayPass = !desk_.foregroundLock_ || desk_.foregroundRights_.count(pid_) != 0 ||
                         desk_.windows_.count(desk_.foreground_) == 0 ||
                         desk_.windows_.at(desk_.foreground_)->pid == pid_;
    if (!mayPass || !desk_.processes_.count(processId))
        return false;
    desk_.foregroundRights_.insert(processId);
    return true;
}

} // namespace vm::sim
