// AppSettings: where each option of WatchSettings lies in the settings
// file, one key each: sections and keys. The defaults and ranges are
// WatchSettings' own (options/watch_settings.h).
#pragma once

#include <array>
#include <cstdint>

#include "options/watch_settings.h"

namespace vm::app_settings {

inline constexpr char kConfig[] = "Config";
inline constexpr char kDisable[] = "Disable";

inline constexpr char kTray[] = "Tray";
inline constexpr char kPosition[] = "Position";
inline constexpr char kCaption[] = "Caption";
inline constexpr char kTitle[] = "Title";
inline constexpr char kPlay[] = "Play";
inline constexpr char kWave[] = "Wave";
inline constexpr std::array<const char*, kIconPathCount> kIconKeys = {"Icon0", "Icon1", "Icon2"};
inline constexpr char kWait[] = "Wait";
inline constexpr char kTrans[] = "Trans";
inline constexpr char kTransEnabled[] = "TransEnabled";
inline constexpr char kTransStartMenu[] = "TransStartMenu";
// The interface language, "ja" or "en"; absent or anything else: automatic.
// Only read; a file keeps it, or its absence, through every save.
inline constexpr char kLanguage[] = "Language";
// In section Disable: the index of the last entry, -1 for an empty list.
inline constexpr char kCount[] = "Count";
inline constexpr std::int32_t kCountDefault = -1;

// The Wave default is the program folder followed by this name.
inline constexpr char kWaveFileName[] = "dame.wav";

// The seven options of the tray menu, in file order.
struct MenuOptionKey {
    const char* key;
    bool WatchSettings::*option;
};
inline constexpr std::array<MenuOptionKey, 7> kMenuOptionKeys = {{
    {"Enable", &WatchSettings::enabled},
    {"Hide", &WatchSettings::reserveBand},
    {"Max", &WatchSettings::watchMaximized},
    {"Restore", &WatchSettings::restoreMaximized},
    {"ReSize", &WatchSettings::fitHeight},
    {"Dialog", &WatchSettings::centreDialogs},
    {"Active", &WatchSettings::skipActiveRepeats},
}};

// The most ignore-list entries a load reads. "Count" may name entries whose
// keys are missing (they read as empty), so the file's size alone does not
// bound the list. 32767 is the most lines a list box holds on the Windows 95
// family, so the program never stored a longer list there; and even that
// many empty entries save into a file well within kMaxSettingsFileBytes.
inline constexpr std::int32_t kMaxIgnoreListEntries = 32767;

} // namespace vm::app_settings
