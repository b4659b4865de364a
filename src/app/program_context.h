// What every subsystem of one program instance shares: the platform, the
// command line and the system version read at start.
#pragma once

#include "app/command_line.h"
#include "platform/platform.h"
#include "sys/windows_version.h"

namespace vm {

struct ProgramContext {
    Platform platform;
    CommandLine commandLine;
    SystemVersion system;
};

} // namespace vm
