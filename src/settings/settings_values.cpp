#include "settings/settings_values.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "settings/app_settings.h"

namespace vm {

namespace as = app_settings;

namespace {

std::vector<std::string> ReadIgnoreList(const IniFile& file) {
    std::vector<std::string> list;
    const std::int32_t count = file.ReadInteger(as::kDisable, as::kCount, as::kCountDefault);
    if (count >= 0) {
        const std::int32_t entries = std::min(count, as::kMaxIgnoreListEntries - 1) + 1;
        for (std::int32_t i = 0; i < entries; ++i)
            list.push_back(file.ReadString(as::kDisable, std::to_string(i), ""));
    }
    return list;
}

void WriteIgnoreList(const std::vector<std::string>& list, IniFile& file) {
    file.WriteInteger(as::kDisable, as::kCount, static_cast<std::int32_t>(list.size()) - 1);
    for (std::size_t i = 0; i < list.size(); ++i)
        file.WriteString(as::kDisable, std::to_string(i), list[i]);
}

// The file holds 16-bit numbers, but a hand-edited value of any size is
// brought to the nearest bound rather than cut to 16 bits.
std::int32_t ReadInRange(const IniFile& file, const char* key, const SettingRange& range) {
    return std::clamp(file.ReadInteger(as::kConfig, key, range.defaultValue), range.min, range.max);
}

} // namespace

WatchSettings ReadWatchSettings(const IniFile& file, const std::string& programFolder,
                                const std::string& defaultMoveTitle) {
    const WatchSettings defaults;
    WatchSettings s;
    s.trayIcon = file.ReadBool(as::kConfig, as::kTray, defaults.trayIcon);
    for (const as::MenuOptionKey& option : as::kMenuOptionKeys)
        s.*option.option = file.ReadBool(as::kConfig, option.key, defaults.*option.option);
    s.offset = file.ReadInteger(as::kConfig, as::kPosition, defaults.offset);
    s.showMoveTitle = file.ReadBool(as::kConfig, as::kCaption, defaults.showMoveTitle);
    s.moveTitle = file.ReadString(as::kConfig, as::kTitle, defaultMoveTitle);
    s.playMoveSound = file.ReadBool(as::kConfig, as::kPlay, defaults.playMoveSound);
    s.moveSound = file.ReadString(as::kConfig, as::kWave, programFolder + as::kWaveFileName);
    s.ignoreList = ReadIgnoreList(file);
    for (std::size_t i = 0; i < as::kIconKeys.size(); ++i)
        s.iconPaths[i] = file.ReadString(as::kConfig, as::kIconKeys[i], "");
    s.waitSeconds = ReadInRange(file, as::kWait, kWaitRange);
    s.translucencyPercent = ReadInRange(file, as::kTrans, kTransRange);
    s.translucency = file.ReadBool(as::kConfig, as::kTransEnabled, defaults.translucency);
    s.translucentStartMenu =
        file.ReadBool(as::kConfig, as::kTransStartMenu, defaults.translucentStartMenu);
    return s;
}

void WriteWatchSettings(const WatchSettings& s, IniFile& file) {
    file.WriteBool(as::kConfig, as::kTray, s.trayIcon);
    for (const as::MenuOptionKey& option : as::kMenuOptionKeys)
        file.WriteBool(as::kConfig, option.key, s.*option.option);
    file.WriteInteger(as::kConfig, as::kPosition, s.offset);
    file.WriteBool(as::kConfig, as::kCaption, s.showMoveTitle);
    file.WriteString(as::kConfig, as::kTitle, s.moveTitle);
    file.WriteBool(as::kConfig, as::kPlay, s.playMoveSound);
    file.WriteString(as::kConfig, as::kWave, s.moveSound);
    WriteIgnoreList(s.ignoreList, file);
    for (std::size_t i = 0; i < as::kIconKeys.size(); ++i)
        file.WriteString(as::kConfig, as::kIconKeys[i], s.iconPaths[i]);
    file.WriteInteger(as::kConfig, as::kWait, static_cast<std::int16_t>(s.waitSeconds));
    file.WriteInteger(as::kConfig, as::kTrans, static_cast<std::int16_t>(s.translucencyPercent));
    file.WriteBool(as::kConfig, as::kTransEnabled, s.translucency);
    file.WriteBool(as::kConfig, as::kTransStartMenu, s.translucentStartMenu);
}

} // namespace vm
