// Everything outside the program's own logic, grouped by responsibility.
#pragma once

#include "platform/operating_system.h"
#include "platform/shell.h"
#include "platform/window_system.h"

namespace vm {

struct Platform {
    IWindowSystem& win;
    IShell& shell;
    IOperatingSystem& os;
};

} // namespace vm
