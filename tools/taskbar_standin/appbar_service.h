// Answers the shell's appbar queries for the docked bar. Wine's shell32 sends
// each SHAppBarMessage as WM_COPYDATA to the first window of class
// "WineAppBar" and reads the answer from a mapping the caller created.
#pragma once

#include <windows.h>

#include "standin_state.h"

namespace standin {

// APPBARDATA as the shell passes it between processes, the same layout for
// 32-bit and 64-bit callers.
struct AppBarDataMessage {
    LONG hWnd;
    UINT uCallbackMessage;
    UINT uEdge;
    RECT rc;
    ULONGLONG lParam;
};

// The WM_COPYDATA payload: the caller's mapping handle and process id, then
// the query.
struct AppBarCommand {
    ULONG returnMap;
    DWORD returnProcess;
    AppBarDataMessage abd;
};

// What the caller reads back from its mapping.
struct AppBarResponse {
    ULONGLONG result;
    AppBarDataMessage abd;
};

static_assert(sizeof(AppBarDataMessage) == 40);
static_assert(sizeof(AppBarCommand) == 48);
static_assert(sizeof(AppBarResponse) == 48);

// The answer to one ABM_ message about the docked bar; fills abd where the
// message returns data in it.
ULONGLONG AnswerAppBarMessage(StandinState& state, DWORD message, AppBarDataMessage& abd);

// Creates the hidden top-level "WineAppBar" window; null on failure. Being
// top-level, it is found before Wine's own message-only service window.
HWND CreateAppBarService(HINSTANCE instance, StandinState& state);

} // namespace standin
