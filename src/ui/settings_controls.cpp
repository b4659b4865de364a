#include "ui/settings_controls.h"

#include <string>

#include "ui/list_box.h"

namespace vm {

void ShowSettings(const WatchSettings& s, MainFormControls& controls, bool menuOptions) {
    controls.CHKTray.SetChecked(s.trayIcon);
    if (menuOptions) {
        for (const MenuOptionItem& option : kMenuOptionItems)
            (controls.*option.item).SetChecked(s.*option.option);
    }

    controls.Slider.SetPosition(s.offset);
    controls.LblPosition.SetCaption(std::to_string(controls.Slider.Position()));

    controls.CHKCap.SetChecked(s.showMoveTitle);
    controls.TxtCap.SetText(s.moveTitle);
    controls.CHKWav.SetChecked(s.playMoveSound);
    controls.TxtWav.SetText(s.moveSound);

    ListBox& list = controls.ListBoxDisable;
    list.Clear();
    for (const std::string& entry : s.ignoreList)
        list.Add(entry);
    UpdateListHorizontalExtent(list);

    controls.CustomIconPaths = s.iconPaths;

    controls.UDWait.SetPosition(s.waitSeconds);
    controls.UDTrans.SetPosition(s.translucencyPercent);
    controls.CHKTrans.SetChecked(s.translucency);
    controls.CHKStartMenu.SetChecked(s.translucentStartMenu);
}

WatchSettings SettingsIn(const MainFormControls& controls) {
    WatchSettings s = SettingsBesideIgnoreList(controls);
    s.ignoreList = controls.ListBoxDisable.Items();
    return s;
}

WatchSettings SettingsBesideIgnoreList(const MainFormControls& controls) {
    WatchSettings s;
    s.trayIcon = controls.CHKTray.Checked();
    for (const MenuOptionItem& option : kMenuOptionItems)
        s.*option.option = (controls.*option.item).Checked();
    s.offset = controls.Slider.Position();
    s.showMoveTitle = controls.CHKCap.Checked();
    s.moveTitle = controls.TxtCap.Text();
    s.playMoveSound = controls.CHKWav.Checked();
    s.moveSound = controls.TxtWav.Text();
    s.iconPaths = controls.CustomIconPaths;
    s.waitSeconds = controls.UDWait.Position();
    s.translucencyPercent = controls.UDTrans.Position();
    s.translucency = controls.CHKTrans.Checked();
    s.translucentStartMenu = controls.CHKStartMenu.Checked();
    return s;
}

} // namespace vm
