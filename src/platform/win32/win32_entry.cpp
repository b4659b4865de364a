#include <windows.h>

#include <stdlib.h>

#include <string>
#include <vector>

#include "app/program.h"
#include "platform/win32/win32_entry.h"
#include "platform/win32/win32_platform.h"

namespace vm {

int Win32Main() {
    // The C runtime splits the ANSI command line as Windows programs expect.
    std::vector<std::string> args;
    for (int i = 1; i < __argc; ++i)
        args.emplace_back(__argv[i]);
    Win32Platform win32;
    return ProgramMain(win32.platform(), std::move(args));
}

} // namespace vm
