// The Windows entry point of Velmora.exe: builds the real platform and runs
// the program on it with the process's own arguments. It declares WinMain by
// hand so that only the backend includes <windows.h>.
#include <stdlib.h>

#include <string>
#include <utility>
#include <vector>

#include "app/program.h"
#include "platform/win32/win32_platform.h"

extern "C" int __stdcall WinMain(void* instance, void* previous, char* commandLine, int show) {
    static_cast<void>(instance);
    static_cast<void>(previous);
    static_cast<void>(commandLine);
    static_cast<void>(show);
    // The C runtime splits the ANSI command line as Windows programs expect.
    std::vector<std::string> args;
    for (int i = 1; i < __argc; ++i)
        args.emplace_back(__argv[i]);
    vm::Win32Platform win32;
    return vm::ProgramMain(win32.platform(), std::move(args));
}
