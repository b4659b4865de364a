// Loads the settings file as WatchSettings and stores them; LoadSettings and
// SaveSettings do so for the settings shown in the controls.
#pragma once

#include <string>
#include <string_view>

#include "options/watch_settings.h"
#include "program/program_context.h"
#include "ui/main_form_controls.h"

namespace vm {

class SettingsStore {
public:
    SettingsStore(ProgramContext& context, MainFormControls& controls)
        : context_(context), controls_(controls) {}

    // Moves a file of the legacy name to the current name first (when the
    // current one exists the legacy file stays). A missing or unreadable
    // file gives every default; the file is never written.
    WatchSettings Load();
    // Writes every option into the file, keeping what else it holds.
    // Throws SettingsWriteError when nothing was stored; the previous file
    // is then intact.
    void Save(const WatchSettings& settings);
    // Load and Save with the settings the controls show. Without
    // loadMenuOptions the tray menu's seven options keep their values.
    void LoadSettings(bool loadMenuOptions);
    void SaveSettings();
    // The last load found a settings file (readable or not).
    bool FileFound() const { return fileFound_; }
    // A file can be written where the settings file lies (a read-only
    // folder or stick cannot keep them).
    bool CanKeepSettings() const;

    std::string SettingsFileName() const;
    std::string LegacySettingsFileName() const;
    std::string GetLoginUserName() const;
    static bool IsUsableFileName(std::string_view text);

private:
    IOperatingSystem& Os() const { return context_.platform.os; }

    ProgramContext& context_;
    MainFormControls& controls_;
    bool fileFound_ = false;
};

} // namespace vm
