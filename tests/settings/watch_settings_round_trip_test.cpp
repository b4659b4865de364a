// Every option of WatchSettings makes the round trip through the settings
// file's keys and through the controls that show it: an option left out of
// either side comes back as its default.
#include <gtest/gtest.h>

#include "options/watch_settings.h"
#include "settings/ini_file.h"
#include "settings/settings_values.h"
#include "ui/main_form_controls.h"
#include "ui/settings_controls.h"

namespace vm {
namespace {

// Each option away from its default.
WatchSettings Chosen() {
    return WatchSettings{.trayIcon = false,
                         .enabled = false,
                         .reserveBand = true,
                         .watchMaximized = true,
                         .restoreMaximized = true,
                         .fitHeight = true,
                         .centreDialogs = true,
                         .skipActiveRepeats = true,
                         .offset = -7,
                         .showMoveTitle = true,
                         .moveTitle = "\x95\x5C",
                         .playMoveSound = true,
                         .moveSound = "C:\\ding.wav",
                         .ignoreList = {"NOTEPAD.EXE", "#32770"},
                         .iconPaths = {"a.ico", "", "c.ico"},
                         .waitSeconds = 42,
                         .translucencyPercent = 7,
                         .translucency = true,
                         .translucentStartMenu = true};
}

TEST(WatchSettingsRoundTrip, EveryOptionComesBackFromTheFileAndFromTheControls) {
    const WatchSettings chosen = Chosen();
    IniFile file = IniFile::Parse("");
    WriteWatchSettings(chosen, file);
    EXPECT_EQ(ReadWatchSettings(file, "C:\\", "title"), chosen);

    MainFormControls controls;
    ShowSettings(chosen, controls, true);
    EXPECT_EQ(SettingsIn(controls), chosen);

    // Without the menu options, the tray menu's items keep their marks.
    ShowSettings(WatchSettings{}, controls, false);
    WatchSettings expected;
    for (const MenuOptionItem& option : kMenuOptionItems)
        expected.*option.option = chosen.*option.option;
    EXPECT_EQ(SettingsIn(controls), expected);
}

} // namespace
} // namespace vm
