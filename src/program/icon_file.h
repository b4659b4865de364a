// Whether a file can lend the tray its image.
#pragma once

#include <string>

#include "platform/operating_system.h"

namespace vm {

// The shell gives any readable file an icon (a program's or a library's
// own, or its type's). Missing, unreadable and oversized files give none,
// and neither does a ".ico" file without a whole icon directory, for which
// the shell would show its image of a broken file.
bool IsIconSource(IOperatingSystem& os, const std::string& path);

} // namespace vm
