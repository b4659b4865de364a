// The Windows entry point of Velmora.exe. It declares WinMain by hand so
// that only the backend includes <windows.h>.
#include "platform/win32/win32_entry.h"

extern "C" int __stdcall WinMain(void* instance, void* previous, char* commandLine, int show) {
    static_cast<void>(instance);
    static_cast<void>(previous);
    static_cast<void>(commandLine);
    static_cast<void>(show);
    return vm::Win32Main();
}
