// WatchSettings shown in the settings window's controls and the tray
// menu's items, and read back from them.
#pragma once

#include <array>

#include "options/watch_settings.h"
#include "ui/main_form_controls.h"

namespace vm {

// The tray menu's item of each of its seven options.
struct MenuOptionItem {
    bool WatchSettings::*option;
    MenuItem MainFormControls::*item;
};
inline constexpr std::array<MenuOptionItem, 7> kMenuOptionItems = {{
    {&WatchSettings::enabled, &MainFormControls::PPEnabled},
    {&WatchSettings::reserveBand, &MainFormControls::PPHideON},
    {&WatchSettings::watchMaximized, &MainFormControls::PPMax},
    {&WatchSettings::restoreMaximized, &MainFormControls::PPRestore},
    {&WatchSettings::fitHeight, &MainFormControls::PPReSize},
    {&WatchSettings::centreDialogs, &MainFormControls::PPDialog},
    {&WatchSettings::skipActiveRepeats, &MainFormControls::PPActive},
}};

// Without menuOptions the tray menu's seven items keep their check marks.
// Check boxes run their click handlers when their state changes, so the
// controls are set in one order: the translucency percentage before its
// boxes, whose handlers apply it.
void ShowSettings(const WatchSettings& settings, MainFormControls& controls, bool menuOptions);

WatchSettings SettingsIn(const MainFormControls& controls);
// The same but for the ignore list, which stays empty: the list is long to
// read, and ListBox::Revision tells when a copy of it is out of date.
WatchSettings SettingsBesideIgnoreList(const MainFormControls& controls);

} // namespace vm
