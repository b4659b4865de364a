// The real desktop behind the platform seam: one window system, shell and
// operating system for the whole program.
#pragma once

#include "platform/platform.h"
#include "platform/win32/win32_operating_system.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_window_system.h"

namespace vm {

class Win32Platform {
public:
    Win32Platform() = default;
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    Platform platform() { return Platform{win_, shell_, os_}; }

private:
    Win32WindowSystem win_;
    Win32Shell shell_;
    Win32OperatingSystem os_;
};

} // namespace vm
