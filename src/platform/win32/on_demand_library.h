// A system library the program needs only for a call the user may never
// ask for (the file dialog, a sound, the settings window's common controls):
// loaded at its first use and kept, so the memory its loading costs is spent
// only then. Under Wine comdlg32, with the printing and COM libraries it
// pulls in, costs about 3 MB, comctl32 2 MB, winmm 1 MB.
#pragma once

#include "platform/win32/system_library.h"
#include "platform/win32/win32_api.h"

namespace vm::win32 {

template <typename Proc>
Proc OnDemandProc(HMODULE& module, const char* library, const char* name) {
    if (module == nullptr)
        module = LoadSystemLibrary(library);
    if (module == nullptr)
        return nullptr;
    return reinterpret_cast<Proc>(GetProcAddress(module, name));
}

} // namespace vm::win32
