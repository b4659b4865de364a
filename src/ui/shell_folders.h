// The user's shell folders, read from the registry key "Shell Folders" of
// the current user, and the Quick Launch folder of the taskbar.
#pragma once

#include <cstdint>
#include <string>

#include "platform/operating_system.h"
#include "platform/types.h"

namespace vm {

// Indexes into the shell folder table.
inline constexpr std::uint8_t kShellFolderDesktop = 0;
inline constexpr std::uint8_t kShellFolderPersonal = 4;
inline constexpr std::uint8_t kShellFolderStartMenu = 8;
inline constexpr std::uint8_t kShellFolderStartup = 9;

// The folder's path with a trailing backslash. A missing value reads as an
// empty text, which gives "\\"; a key that cannot be opened, an unknown
// index, or a value longer than a path may be gives "". Throws ShortcutError
// for a value that is not a text.
std::string GetShellFolder(IOperatingSystem& os, std::uint8_t index);

// The Quick Launch folder with a trailing backslash, or "" when it does not
// exist: on the NT family beside the Personal folder (under its parent), on
// the Windows 95 family under the Windows folder.
std::string GetQuickLaunchFolder(IOperatingSystem& os, const OsVersionInfo& version);

// Whether path names an existing folder (a trailing backslash is allowed).
bool FolderExists(IOperatingSystem& os, const std::string& path);

} // namespace vm
