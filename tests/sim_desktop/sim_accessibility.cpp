// The names programs give their controls for screen readers.
#include "sim_desktop/sim_desktop.h"
#include "sim_desktop/sim_window_system.h"

namespace vm::sim {

bool SimWindowSystem::SetAccessibleName(Hwnd control, const char16_t* name) {
    desk_.logCall(pid_, "SetAccessibleName", control);
    SimWindow* window = desk_.windows().find(control);
    // Only the program's own windows answer its WM_GETOBJECT.
    if (window == nullptr || window->pid != pid_ || name == nullptr)
        return false;
    window->accessibleName = name;
    return true;
}

} // namespace vm::sim
