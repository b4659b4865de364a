// System libraries loaded by the program itself come from the system folder
// only: a library of the same name planted beside the executable (a folder
// the user can write to) is never the one loaded.
#pragma once

#include "platform/win32/win32_api.h"

namespace vm::win32 {

// LoadLibraryEx(LOAD_LIBRARY_SEARCH_SYSTEM32) where the system knows the
// flag (Windows 8 on, and 7 with its update); elsewhere the full path in the
// system folder. comctl32 keeps its bare name on a system with side-by-side
// assemblies: the manifest's version 6 is found there before any folder,
// and a full path would give the old version 5 instead.
HMODULE LoadSystemLibrary(const char* name);

} // namespace vm::win32
