// Win32 constants the program uses, with their Win32 values. They live in
// small namespaces named after their Win32 prefix (ws::THICKFRAME for
// WS_THICKFRAME) so they never clash with the macros of <windows.h> (a name
// that is one of its macros gets an underscore: wm::NULL_, nim::DELETE_). The
// Windows build checks every one against them (win32/constants_check.cpp).
#pragma once

#include "platform/constants_controls.h"
#include "platform/constants_messages.h"
#include "platform/constants_shell.h"
#include "platform/constants_system.h"
#include "platform/constants_windows.h"
