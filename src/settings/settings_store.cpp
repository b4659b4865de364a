#include "settings/settings_store.h"

#include "settings/ini_file.h"
#include "settings/settings_file_io.h"
#include "settings/settings_file_names.h"
#include "settings/settings_values.h"
#include "settings/settings_write_error.h"
#include "ui/settings_controls.h"

namespace vm {

WatchSettings SettingsStore::Load() {
    const std::string legacy = LegacySettingsFileName();
    const std::string path = SettingsFileName();
    if (Os().FileExists(legacy))
        Os().MoveFileA(legacy, path);

    std::string content;
    fileFound_ = ReadSettingsFile(Os(), path, content) != SettingsFileState::Missing;
    return ReadWatchSettings(IniFile::Parse(content), ProgramFolder(Os()),
                             context_.AnsiText(TextId::DefaultMoveTitle));
}

void SettingsStore::LoadSettings(bool loadMenuOptions) {
    ShowSettings(Load(), controls_, loadMenuOptions);
}

bool SettingsStore::CanKeepSettings() const {
    return CanWriteBeside(Os(), SettingsFileName());
}

void SettingsStore::SaveSettings() {
    Save(SettingsIn(controls_));
}

void SettingsStore::Save(const WatchSettings& settings) {
    const std::string path = SettingsFileName();
    std::string content;
    if (ReadSettingsFile(Os(), path, content) == SettingsFileState::Unreadable) {
        throw SettingsWriteError("settings file cannot be read, left as it is: " + path);
    }
    IniFile file = IniFile::Parse(content);
    WriteWatchSettings(settings, file);
    ReplaceSettingsFile(Os(), path, file.Serialize());
}

std::string SettingsStore::SettingsFileName() const {
    return vm::SettingsFileName(Os(), context_.system.version);
}

std::string SettingsStore::LegacySettingsFileName() const {
    return vm::LegacySettingsFileName(Os());
}

std::string SettingsStore::GetLoginUserName() const {
    return vm::GetLoginUserName(Os());
}

bool SettingsStore::IsUsableFileName(std::string_view text) {
    return vm::IsUsableFileName(text);
}

} // namespace vm
