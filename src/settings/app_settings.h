// AppSettings: every user option, one key of the settings file each. The
// values live in the controls and menu items that show them; this is what
// the file knows of them: sections, keys, defaults and ranges.
#pragma once

#include <array>
#include <cstdint>

#include "ui/main_form_controls.h"
#include "ui/menu_item.h"

namespace vm::app_settings {

inline constexpr char kConfig[] = "Config";
inline constexpr char kDisable[] = "Disable";

inline constexpr char kTray[] = "Tray";
inline constexpr char kPosition[] = "Position";
inline constexpr char kCaption[] = "Caption";
inline constexpr char kTitle[] = "Title";
inline constexpr char kPlay[] = "Play";
inline constexpr char kWave[] = "Wave";
inline constexpr std::array<const char*, 3> kIconKeys = {"Icon0", "Icon1", "Icon2"};
inline constexpr char kWait[] = "Wait";
inline constexpr char kTrans[] = "Trans";
inline constexpr char kTransEnabled[] = "TransEnabled";
inline constexpr char kTransStartMenu[] = "TransStartMenu";
// The interface language, "ja" or "en"; absent or anything else: automatic.
// Only read; a file keeps it, or its absence, through every save.
inline constexpr char kLanguage[] = "Language";
// In section Disable: the index of the last entry, -1 for an empty list.
inline constexpr char kCount[] = "Count";

inline constexpr bool kTrayDefault = true;
inline constexpr std::int32_t kPositionDefault = 0;
inline constexpr bool kCaptionDefault = false;
inline constexpr bool kPlayDefault = false;
// The Wave default is the program folder followed by this name.
inline constexpr char kWaveFileName[] = "dame.wav";
inline constexpr std::int32_t kCountDefault = -1;
inline constexpr std::int32_t kWaitDefault = 0;
inline constexpr std::int32_t kWaitMin = 0;
inline constexpr std::int32_t kWaitMax = 60;
inline constexpr std::int32_t kTransDefault = 100;
inline constexpr std::int32_t kTransMin = 0;
inline constexpr std::int32_t kTransMax = 100;
inline constexpr bool kTransEnabledDefault = false;
inline constexpr bool kTransStartMenuDefault = false;

// The seven options of the tray menu, in file order. The Cancel button
// reloads everything but these.
struct MenuOption {
    const char* key;
    bool defaultValue;
    MenuItem MainFormControls::*item;
};
inline constexpr std::array<MenuOption, 7> kMenuOptions = {{
    {"Enable", true, &MainFormControls::PPEnabled},
    {"Hide", false, &MainFormControls::PPHideON},
    {"Max", false, &MainFormControls::PPMax},
    {"Restore", false, &MainFormControls::PPRestore},
    {"ReSize", false, &MainFormControls::PPReSize},
    {"Dialog", false, &MainFormControls::PPDialog},
    {"Active", false, &MainFormControls::PPActive},
}};

// The most ignore-list entries a load reads. "Count" may name entries whose
// keys are missing (they read as empty), so the file's size alone does not
// bound the list. 32767 is the most lines a list box holds on the Windows 95
// family, so the program never stored a longer list there; and even that
// many empty entries save into a file well within kMaxSettingsFileBytes.
inline constexpr std::int32_t kMaxIgnoreListEntries = 32767;

} // namespace vm::app_settings
