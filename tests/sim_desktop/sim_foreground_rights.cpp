// Passing the right to take the foreground on to another process.
#include "sim_desktop/sim_desktop.h"
#include "sim_desktop/sim_window_system.h"

namespace vm::sim {

bool SimWindowSystem::AllowSetForegroundWindow(std::uint32_t processId) {
    desk_.logCall(pid_, "AllowSetForegroundWindow", processId);
    return desk_.hasProcess(processId) && desk_.windows().passForegroundRight(pid_, processId);
}

} // namespace vm::sim
