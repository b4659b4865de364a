#include "settings/settings_store.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "settings/app_settings.h"
#include "settings/ini_file.h"
#include "settings/settings_file_io.h"
#include "settings/settings_file_names.h"
#include "settings/settings_write_error.h"
#include "sys/sjis_literals.h"
#include "sys/text.h"
#include "ui/list_box.h"

namespace vm {

namespace as = app_settings;

namespace {

// Texts end at a NUL byte, as they do in the windows that show them.
std::string ReadText(const IniFile& file, std::string_view section, std::string_view key,
                     std::string_view defaultValue) {
    return CutAtNul(file.ReadString(section, key, defaultValue));
}

void LoadIgnoreList(const IniFile& file, ListBox& list) {
    list.Clear();
    const std::int32_t count = file.ReadInteger(as::kDisable, as::kCount, as::kCountDefault);
    if (count >= 0) {
        const std::int32_t entries = std::min(count, as::kMaxIgnoreListEntries - 1) + 1;
        for (std::int32_t i = 0; i < entries; ++i) {
            list.Add(ReadText(file, as::kDisable, std::to_string(i), ""));
        }
    }
    UpdateListHorizontalExtent(list);
}

void SaveIgnoreList(IniFile& file, const ListBox& list) {
    const std::vector<std::string>& items = list.Items();
    file.WriteInteger(as::kDisable, as::kCount, static_cast<std::int32_t>(items.size()) - 1);
    for (std::size_t i = 0; i < items.size(); ++i) {
        file.WriteString(as::kDisable, std::to_string(i), items[i]);
    }
}

} // namespace

void SettingsStore::LoadSettings(bool loadMenuOptions) {
    const std::string legacy = LegacySettingsFileName();
    const std::string path = SettingsFileName();
    if (Os().FileExists(legacy))
        Os().MoveFileA(legacy, path);

    std::string content;
    ReadSettingsFile(Os(), path, content);
    const IniFile file = IniFile::Parse(content);
    MainFormControls& c = controls_;

    c.CHKTray.SetChecked(file.ReadBool(as::kConfig, as::kTray, as::kTrayDefault));
    if (loadMenuOptions) {
        for (const as::MenuOption& option : as::kMenuOptions) {
            (c.*option.item)
                .SetChecked(file.ReadBool(as::kConfig, option.key, option.defaultValue));
        }
    }

    c.Slider.SetPosition(file.ReadInteger(as::kConfig, as::kPosition, as::kPositionDefault));
    c.LblPosition.SetCaption(std::to_string(c.Slider.Position()));

    c.CHKCap.SetChecked(file.ReadBool(as::kConfig, as::kCaption, as::kCaptionDefault));
    c.TxtCap.SetText(ReadText(file, as::kConfig, as::kTitle, sjis::kDefaultMoveTitle));
    c.CHKWav.SetChecked(file.ReadBool(as::kConfig, as::kPlay, as::kPlayDefault));
    c.TxtWav.SetText(
        ReadText(file, as::kConfig, as::kWave, ProgramFolder(Os()) + as::kWaveFileName));

    LoadIgnoreList(file, c.ListBoxDisable);

    for (std::size_t i = 0; i < as::kIconKeys.size(); ++i) {
        c.CustomIconPaths[i] = ReadText(file, as::kConfig, as::kIconKeys[i], "");
    }

    // The file holds 16-bit numbers, but a hand-edited value of any size is
    // brought to the nearest bound rather than cut to 16 bits.
    c.UDWait.SetPosition(std::clamp(file.ReadInteger(as::kConfig, as::kWait, as::kWaitDefault),
                                    as::kWaitMin, as::kWaitMax));
    // Before the translucency boxes, whose handlers apply this percentage.
    c.UDTrans.SetPosition(std::clamp(file.ReadInteger(as::kConfig, as::kTrans, as::kTransDefault),
                                     as::kTransMin, as::kTransMax));
    c.CHKTrans.SetChecked(file.ReadBool(as::kConfig, as::kTransEnabled, as::kTransEnabledDefault));
    c.CHKStartMenu.SetChecked(
        file.ReadBool(as::kConfig, as::kTransStartMenu, as::kTransStartMenuDefault));
}

void SettingsStore::SaveSettings() {
    const std::string path = SettingsFileName();
    std::string content;
    if (ReadSettingsFile(Os(), path, content) == SettingsFileState::Unreadable) {
        throw SettingsWriteError("settings file cannot be read, left as it is: " + path);
    }
    IniFile file = IniFile::Parse(content);
    const MainFormControls& c = controls_;

    file.WriteBool(as::kConfig, as::kTray, c.CHKTray.Checked());
    for (const as::MenuOption& option : as::kMenuOptions) {
        file.WriteBool(as::kConfig, option.key, (c.*option.item).Checked());
    }
    file.WriteInteger(as::kConfig, as::kPosition, c.Slider.Position());
    file.WriteBool(as::kConfig, as::kCaption, c.CHKCap.Checked());
    file.WriteString(as::kConfig, as::kTitle, c.TxtCap.Text());
    file.WriteBool(as::kConfig, as::kPlay, c.CHKWav.Checked());
    file.WriteString(as::kConfig, as::kWave, c.TxtWav.Text());

    SaveIgnoreList(file, c.ListBoxDisable);

    for (std::size_t i = 0; i < as::kIconKeys.size(); ++i) {
        file.WriteString(as::kConfig, as::kIconKeys[i], c.CustomIconPaths[i]);
    }
    file.WriteInteger(as::kConfig, as::kWait, static_cast<std::int16_t>(c.UDWait.Position()));
    file.WriteInteger(as::kConfig, as::kTrans, static_cast<std::int16_t>(c.UDTrans.Position()));
    file.WriteBool(as::kConfig, as::kTransEnabled, c.CHKTrans.Checked());
    file.WriteBool(as::kConfig, as::kTransStartMenu, c.CHKStartMenu.Checked());

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
