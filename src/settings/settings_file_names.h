// Where the settings file lies: beside the executable, one file per
// Windows version and user, and the older per-user name it is moved from.
#pragma once

#include <string>
#include <string_view>

#include "platform/operating_system.h"
#include "program/windows_version.h"

namespace vm {

// The running executable's path up to and including its last backslash
// (never a trail byte of a double-byte character).
std::string ProgramFolder(IOperatingSystem& os);

// GetUserNameA's name, or "Default" when the call fails.
std::string GetLoginUserName(IOperatingSystem& os);

// False when a single-byte character of the text is one of \ / : * ? < > |.
bool IsUsableFileName(std::string_view text);

// "<folder>vmr_<version>_<user>.ini", the user name as the system gives it.
std::string SettingsFileName(IOperatingSystem& os, WindowsVersion version);

// "<folder>vmr_<user>.ini", with "Default" for a name that cannot be part of
// a file name.
std::string LegacySettingsFileName(IOperatingSystem& os);

} // namespace vm
