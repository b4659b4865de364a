// WatchSettings read from and written into the settings file's content.
#pragma once

#include <string>

#include "options/watch_settings.h"
#include "settings/ini_file.h"

namespace vm {

// A missing or malformed key gives its default; a number out of its range
// is brought to the nearest bound (the watch position is brought into the
// slider's range where it is shown). programFolder is where the default
// wave file lies; defaultMoveTitle is the title a moved window gets unless
// the file names one.
WatchSettings ReadWatchSettings(const IniFile& file, const std::string& programFolder,
                                const std::string& defaultMoveTitle);

// Every option, in the file's order of keys; what else the file holds stays.
void WriteWatchSettings(const WatchSettings& settings, IniFile& file);

} // namespace vm
