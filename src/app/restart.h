// The restart after a change of the desktop's size: the reasons to wait for
// it, and starting a program.
#pragma once

#include <string>

#include "platform/platform.h"

namespace vm {

// A full-screen program (no frame styles, or covering the screen's width or
// height without a sizing border) or a topmost window is in front, or the
// taskbar is disabled: a restart now would disturb the user.
bool RestartMustWait(IWindowSystem& win, Hwnd taskbar);

// ShellExecuteA with the default verb; each text is cut to 260 characters,
// as its buffer holds. The result is not looked at.
void LaunchProgram(Platform& platform, Hwnd window, const std::string& file,
                   const std::string& parameters, const std::string& directory, int showCommand);

} // namespace vm
