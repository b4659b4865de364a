// The settings between the file's content and the controls that hold them,
// in the order the controls are loaded: check boxes run their click
// handlers when their state changes, so the order is part of the behaviour.
#pragma once

#include <string>

#include "settings/ini_file.h"
#include "ui/main_form_controls.h"

namespace vm {

// Without loadMenuOptions the tray menu's seven options keep their values.
// programFolder is where the default wave file lies; defaultMoveTitle is
// the title a moved window gets unless the file names one.
void ReadSettingsIntoControls(
    const IniFile& file, MainFormControls& controls, bool loadMenuOptions,
    const std::string& programFolder,
    const char* defaultMoveTitle = Text(Language::Japanese, TextId::DefaultMoveTitle).ansi);

void WriteSettingsFromControls(const MainFormControls& controls, IniFile& file);

} // namespace vm
