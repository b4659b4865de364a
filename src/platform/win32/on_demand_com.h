// COM for the program's one thread. The program enters it at start, but only
// the shell link object (a shortcut the user asks for) needs it, and under
// Wine loading ole32 and entering COM costs nearly 2 MB: so CoInitialize
// only records the wish, and ole32 is loaded and COM entered at the first
// CoCreateInstance. CoUninitialize leaves COM only if it was entered.
#pragma once

#include "platform/win32/win32_api.h"

namespace vm::win32 {

void WantCom();
void LeaveCom();
// Enters COM now if it was wanted (the file dialog runs inside it, as it
// always has); false when it was not wanted or cannot be had.
bool EnterWantedCom();
// CoCreateInstance after entering COM, when it was wanted; E_FAIL when COM
// was not wanted or cannot be had.
HRESULT CreateComInstance(REFCLSID clsid, DWORD context, REFIID iid, void** object);

} // namespace vm::win32
