#include "settings/settings_controls.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "settings/app_settings.h"
#include "ui/list_box.h"

namespace vm {

namespace as = app_settings;

namespace {

void LoadIgnoreList(const IniFile& file, ListBox& list) {
    list.Clear();
    const std::int32_t count = file.ReadInteger(as::kDisable, as::kCount, as::kCountDefault);
    if (count >= 0) {
        const std::int32_t entries = std::min(count, as::kMaxIgnoreListEntries - 1) + 1;
        for (std::int32_t i = 0; i < entries; ++i) {
            list.Add(file.ReadString(as::kDisable, std::to_string(i), ""));
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

void ReadSettingsIntoControls(const IniFile& file, MainFormControls& controls, bool loadMenuOptions,
                              const std::string& programFolder, const char* defaultMoveTitle) {
    controls.CHKTray.SetChecked(file.ReadBool(as::kConfig, as::kTray, as::kTrayDefault));
    if (loadMenuOptions) {
        for (const as::MenuOption& option : as::kMenuOptions) {
            (controls.*option.item)
                .SetChecked(file.ReadBool(as::kConfig, option.key, option.defaultValue));
        }
    }

    controls.Slider.SetPosition(file.ReadInteger(as::kConfig, as::kPosition, as::kPositionDefault));
    controls.LblPosition.SetCaption(std::to_string(controls.Slider.Position()));

    controls.CHKCap.SetChecked(file.ReadBool(as::kConfig, as::kCaption, as::kCaptionDefault));
    controls.TxtCap.SetText(file.ReadString(as::kConfig, as::kTitle, defaultMoveTitle));
    controls.CHKWav.SetChecked(file.ReadBool(as::kConfig, as::kPlay, as::kPlayDefault));
    controls.TxtWav.SetText(
        file.ReadString(as::kConfig, as::kWave, programFolder + as::kWaveFileName));

    LoadIgnoreList(file, controls.ListBoxDisable);

    for (std::size_t i = 0; i < as::kIconKeys.size(); ++i) {
        controls.CustomIconPaths[i] = file.ReadString(as::kConfig, as::kIconKeys[i], "");
    }

    // The file holds 16-bit numbers, but a hand-edited value of any size is
    // brought to the nearest bound rather than cut to 16 bits.
    controls.UDWait.SetPosition(std::clamp(
        file.ReadInteger(as::kConfig, as::kWait, as::kWaitDefault), as::kWaitMin, as::kWaitMax));
    // Before the translucency boxes, whose handlers apply this percentage.
    controls.UDTrans.SetPosition(
        std::clamp(file.ReadInteger(as::kConfig, as::kTrans, as::kTransDefault), as::kTransMin,
                   as::kTransMax));
    controls.CHKTrans.SetChecked(
        file.ReadBool(as::kConfig, as::kTransEnabled, as::kTransEnabledDefault));
    controls.CHKStartMenu.SetChecked(
        file.ReadBool(as::kConfig, as::kTransStartMenu, as::kTransStartMenuDefault));
}

void WriteSettingsFromControls(const MainFormControls& controls, IniFile& file) {
    file.WriteBool(as::kConfig, as::kTray, controls.CHKTray.Checked());
    for (const as::MenuOption& option : as::kMenuOptions) {
        file.WriteBool(as::kConfig, option.key, (controls.*option.item).Checked());
    }
    file.WriteInteger(as::kConfig, as::kPosition, controls.Slider.Position());
    file.WriteBool(as::kConfig, as::kCaption, controls.CHKCap.Checked());
    file.WriteString(as::kConfig, as::kTitle, controls.TxtCap.Text());
    file.WriteBool(as::kConfig, as::kPlay, controls.CHKWav.Checked());
    file.WriteString(as::kConfig, as::kWave, controls.TxtWav.Text());

    SaveIgnoreList(file, controls.ListBoxDisable);

    for (std::size_t i = 0; i < as::kIconKeys.size(); ++i) {
        file.WriteString(as::kConfig, as::kIconKeys[i], controls.CustomIconPaths[i]);
    }
    file.WriteInteger(as::kConfig, as::kWait,
                      static_cast<std::int16_t>(controls.UDWait.Position()));
    file.WriteInteger(as::kConfig, as::kTrans,
                      static_cast<std::int16_t>(controls.UDTrans.Position()));
    file.WriteBool(as::kConfig, as::kTransEnabled, controls.CHKTrans.Checked());
    file.WriteBool(as::kConfig, as::kTransStartMenu, controls.CHKStartMenu.Checked());
}

} // namespace vm
