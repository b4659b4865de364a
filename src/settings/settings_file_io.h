// Reading and replacing the settings file as a whole.
#pragma once

#include <cstddef>
#include <string>

#include "platform/operating_system.h"

namespace vm {

// The largest settings file read. A file the program wrote is a few
// kilobytes even with a long ignore list; the bound keeps a load of any file
// to bounded time and memory.
inline constexpr std::size_t kMaxSettingsFileBytes = std::size_t{1} << 20;

enum class SettingsFileState {
    Missing,
    Read,
    // Present but not readable within the bound (too large, locked, ...).
    // Loading treats it as empty; saving leaves it alone rather than replace
    // the user's file with one that lacks whatever it held.
    Unreadable,
};

SettingsFileState ReadSettingsFile(IOperatingSystem& os, const std::string& path,
                                   std::string& content);

// Writes the content to "<path>.tmp" beside the file and moves it over the
// file in one step, so the previous file stays whole when anything fails;
// the temporary file is removed then. Throws SettingsWriteError when the
// content was not stored, also when it is larger than the files that
// ReadSettingsFile reads, since storing it would lose the settings at the
// next start.
void ReplaceSettingsFile(IOperatingSystem& os, const std::string& path, const std::string& content);

// Whether a file can be written beside path: the temporary file a save
// writes first is written empty and removed again.
bool CanWriteBeside(IOperatingSystem& os, const std::string& path);

} // namespace vm
