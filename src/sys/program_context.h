// What every subsystem of one program instance shares: the platform, the
// command line and the system version read at start. It sits below the
// subsystems (settings, watcher, app), which all include it from here.
#pragma once

#include "platform/platform.h"
#include "sys/command_line.h"
#include "sys/windows_version.h"

namespace vm {

struct ProgramContext {
    Platform platform;
    CommandLine commandLine;
    SystemVersion system;
};

} // namespace vm
